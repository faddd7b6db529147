#include "runtime/SettingsKeys.h"

namespace SettingsKeys {

QByteArray tabSheetName(int page) {
    return "TabSheet" + QByteArray::number(page + 1) + "Name";
}

QByteArray gridHeight(int page) {
    return "GridHeight" + QByteArray::number(page + 1);
}

} // namespace SettingsKeys
