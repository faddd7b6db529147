#include "grid/view/SystemClipboard.h"

#include "runtime/Cp1252.h"

#include <QClipboard>
#include <QGuiApplication>

void SystemClipboard::setTextBytes(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\0');
    QGuiApplication::clipboard()->setText(fromCp1252(end < 0 ? bytes : bytes.left(end)));
}

QByteArray SystemClipboard::textBytes() const {
    return toCp1252(QGuiApplication::clipboard()->text());
}
