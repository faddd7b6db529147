#include "widgets/FontFamilyList.h"

#include <QFontComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSignalBlocker>
#include <QStringListModel>

#include <algorithm>

namespace {

QStringList plainFamilies(const QStringList& families) {
    QStringList plain;
    plain.reserve(families.size());
    for (const QString& family : families) {
        const qsizetype foundry = family.indexOf(QLatin1String(" ["));
        plain.push_back(foundry < 0 ? family : family.left(foundry));
    }
    std::sort(plain.begin(), plain.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    plain.erase(std::unique(plain.begin(), plain.end()), plain.end());
    return plain;
}

void relist(QFontComboBox& list) {
    auto* model = qobject_cast<QStringListModel*>(list.model());
    if (model == nullptr) {
        return;
    }
    const QString current = list.currentText();
    const QSignalBlocker quiet(list);
    model->setStringList(plainFamilies(model->stringList()));
    list.setCurrentIndex(list.findText(current));
}

} // namespace

void listEachFamilyOnce(QFontComboBox& list) {
    relist(list);
    // The list fills itself anew when fonts are installed or removed.
    QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, &list,
                     [&list] { relist(list); });
}
