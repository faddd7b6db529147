// The real boxes, shown offscreen and answered by a timer the way a user would.
#include "MessageBoxes.h"
#include "ErrorReport.h"

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
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->format = box->textFormat();
        for (QAbstractButton* button : box->buttons()) {
            seen->buttons << button->text();
        }
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == press) {
                button->click();
                return;
            }
        }
        box->reject();
    };
    QTimer::singleShot(0, *poll);
    show();
    return *seen;
}

} // namespace

TEST(MessageBoxes, ErrorReportIsACriticalBoxWithOneOk) {
    const SeenBox box = runBox(QStringLiteral("OK"), [] {
        showErrorReport(QStringLiteral("Zielfenster <b>Chat</b> fehlt"));
    });
    EXPECT_EQ(box.title, QStringLiteral("Quipsender"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(box.text, QStringLiteral("Zielfenster <b>Chat</b> fehlt."));
    EXPECT_EQ(box.format, Qt::PlainText); // user text is never markup
}

TEST(MessageBoxes, ConfirmationAnswersWithTheButtonPressed) {
    bool answer = false;
    SeenBox box =
        runBox(QStringLiteral("&Ja"), [&] { answer = askConfirmation(QStringLiteral("Sicher?")); });
    EXPECT_TRUE(answer);
    EXPECT_EQ(box.title, QStringLiteral("Bestätigung"));
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.defaultButton, QStringLiteral("&Ja"));
    EXPECT_TRUE(box.buttons.contains(QStringLiteral("&Ja")));
    EXPECT_TRUE(box.buttons.contains(QStringLiteral("&Nein")));
    EXPECT_EQ(box.buttons.size(), 2);

    runBox(QStringLiteral("&Nein"), [&] { answer = askConfirmation(QStringLiteral("Sicher?")); });
    EXPECT_FALSE(answer);
    // Closing the box without a button counts as "&Nein".
    runBox(QString(), [&] { answer = askConfirmation(QStringLiteral("Sicher?")); });
    EXPECT_FALSE(answer);
}

TEST(MessageBoxes, InformationHasItsIconAndOneOk) {
    const SeenBox box = runBox(QStringLiteral("OK"), [] {
        showInformation(QStringLiteral("Zielfenster Chat nicht vorhanden!"));
    });
    EXPECT_EQ(box.title, QStringLiteral("Information"));
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(box.text, QStringLiteral("Zielfenster Chat nicht vorhanden!"));
}
