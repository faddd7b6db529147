// The real boxes, shown offscreen and answered by a timer the way a user would.
#include "runtime/MessageBoxes.h"
#include "runtime/ErrorReport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    Qt::TextFormat format = Qt::AutoText;
};

// Once the box is up, notes what it shows and presses the button with the given text
// (or closes it as with Escape when the text is empty).
template <typename Show>
SeenBox runBox(const QString& press, Show show) {
    auto seen = std::make_shared<SeenBox>();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [seen, press, poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QTimer::singleShot(10, *poll);
            return;
        }
        *seen = {box->windowTitle(), box->text(), box->icon(), {}, {}, box->textFormat()};
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        QAbstractButton* pressed = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen->buttons << button->text();
            pressed = button->text() == press ? button : pressed;
        }
        if (pressed != nullptr) {
            pressed->click();
        } else {
            box->reject();
        }
    };
    QTimer::singleShot(0, *poll);
    show();
    return *seen;
}

} // namespace

TEST(MessageBoxes, ErrorsAndInformationShowPlainTextWithTheirIconAndOneOk) {
    const SeenBox error = runBox(QStringLiteral("OK"), [] {
        showErrorReport(QStringLiteral("Zielfenster <b>Chat</b> fehlt"));
    });
    const SeenBox info = runBox(QStringLiteral("OK"), [] {
        showInformation(QStringLiteral("Zielfenster <b>Chat</b> nicht vorhanden!"));
    });
    EXPECT_EQ(error.title, QStringLiteral("Quipsender"));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.text, QStringLiteral("Zielfenster <b>Chat</b> fehlt."));
    EXPECT_EQ(info.title, QStringLiteral("Information"));
    EXPECT_EQ(info.icon, QMessageBox::Information);
    EXPECT_EQ(info.text, QStringLiteral("Zielfenster <b>Chat</b> nicht vorhanden!"));
    for (const SeenBox& box : {error, info}) {
        EXPECT_EQ(box.buttons, QStringList{QStringLiteral("OK")});
        EXPECT_EQ(box.format, Qt::PlainText) << "user text is never markup";
    }
}

TEST(MessageBoxes, ConfirmationAnswersWithTheButtonPressed) {
    bool answer = false;
    const auto ask = [&] { answer = askConfirmation(QStringLiteral("Sicher?")); };
    const SeenBox box = runBox(QStringLiteral("&Ja"), ask);
    EXPECT_TRUE(answer);
    EXPECT_EQ(box.title, QStringLiteral("Bestätigung"));
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.defaultButton, QStringLiteral("&Ja"));
    EXPECT_EQ(box.buttons.size(), 2);
    EXPECT_TRUE(box.buttons.contains(QStringLiteral("&Nein")));

    runBox(QStringLiteral("&Nein"), ask);
    EXPECT_FALSE(answer);
    answer = true;
    runBox(QString(), ask);
    EXPECT_FALSE(answer) << "closing the box without a button answers no";

    const SeenBox noByDefault = runBox(QStringLiteral("&Ja"), [&] {
        answer = askConfirmation(QStringLiteral("Trotzdem?"), MessageBoxAnswer::No);
    });
    EXPECT_EQ(noByDefault.defaultButton, QStringLiteral("&Nein"));
    EXPECT_TRUE(answer);
}
