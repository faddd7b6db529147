#include "SettingsKeys.h"

#include <QString>

namespace SettingsKeys {

QByteArray TabSheetName(int page) {
    return "TabSheet" + QByteArray::number(page + 1) + "Name";
}

QByteArray GridHeight(int page) {
    return "GridHeight" + QByteArray::number(page + 1);
}

} // namespace SettingsKeys

QString phraseFileName(int page) {
    return QStringLiteral("Gitter_%1.txt").arg(page + 1);
}
