#include "runtime/SettingsKeys.h"

namespace SettingsKeys {

QByteArray TabSheetName(int page) {
    return "TabSheet" + QByteArray::number(page + 1) + "Name";
}

QByteArray GridHeight(int page) {
    return "GridHeight" + QByteArray::number(page + 1);
}

} // namespace SettingsKeys
