#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

// The program's icon in every size it was drawn in, from the resource that the quip_appicon
// target adds to the program: for the window and task bar, e.g.
// QApplication::setWindowIcon(quipsenderIcon()).
inline QIcon quipsenderIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/appicon/quipsender-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
