#include "support/app/AppTestSupport.h"

#include "dialogs/TfOptionen.h"
#include "runtime/Cp1252.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class SendTest : public AppTest {
protected:
    void SetUp() override {
        startWith(completeSettings());
        show();
    }
    void typeIntoPreview(const QString& text) { fMain->Memo1->setPlainText(text); }
    // The characters looked up in the keyboard layout, in order: what was typed.
    std::string scanned() const {
        std::string typed;
        for (const std::string& call : desk->trace()) {
            if (call.rfind("scan ", 0) == 0) {
                typed += call.substr(5);
            }
        }
        return typed;
    }
};

} // namespace

TEST_F(SendTest, SendTypesThePreviewIntoTheTargetWindowOrTellsItIsMissing) {
    const WindowHandle other = desk->openWindow("Anderes Programm");
    typeIntoPreview(QStringLiteral("Hallo"));
    fMain->btn_Send->click();
    const auto told = boxesOf(MessageBoxRequest::Information);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(told[0].text, QStringLiteral("Zielfenster Schnapsen - Chat nicht vorhanden!"));
    EXPECT_EQ(fMain->Memo1->toPlainText(), QStringLiteral("Hallo"));
    // Send and clear clears all the same.
    fMain->btn_SendAndClear->click();
    EXPECT_EQ(boxesOf(MessageBoxRequest::Information).size(), 2u);
    EXPECT_TRUE(fMain->Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(desk->received(other).empty());

    boxes.clear();
    const WindowHandle chat = desk->openWindow("Schnapsen - Chat");
    typeIntoPreview(QStringLiteral("Grüß {dich} @all"));
    fMain->btn_Send->click();
    EXPECT_EQ(fromCp1252(std::string_view(desk->received(chat))),
              QStringLiteral("Grüß {dich} @all"));
    EXPECT_EQ(fMain->Memo1->toPlainText(), QStringLiteral("Grüß {dich} @all"));
    EXPECT_TRUE(boxes.empty());

    // Lines go over as CR LF; a no-break space stays one.
    typeIntoPreview(QStringLiteral("zwei\nZeilen\u00a0!"));
    fMain->btn_SendAndClear->click();
    EXPECT_NE(scanned().find("zwei\r\nZeilen\xa0!"), std::string::npos);
    EXPECT_TRUE(fMain->Memo1->toPlainText().isEmpty());

    typeIntoPreview(QStringLiteral("weg"));
    fMain->btn_Clear->click();
    EXPECT_TRUE(fMain->Memo1->toPlainText().isEmpty());
}

TEST_F(SendTest, OptionsApplyAndCancelAndTheAutoEnterBoxIsReloadedOnTheNextShowing) {
    const WindowHandle other = desk->openWindow("Neues Fenster");
    TfOptionen& options = *fMain->dialogs().options;

    // Cancel: the ticked box counts until the next showing, the title stays.
    inModalDialog = [&](QDialog&) {
        EXPECT_FALSE(options.CheckBox1->isChecked());
        options.Edit1->setText(QStringLiteral("Neues Fenster"));
        options.CheckBox1->setChecked(true);
        options.Button1->click();
    };
    fMain->Einstellungen1->trigger();
    EXPECT_EQ(fMain->targetTitle(), "Schnapsen - Chat");
    EXPECT_EQ(setting("ZielFenster"), "Schnapsen - Chat");
    const WindowHandle chat = desk->openWindow("Schnapsen - Chat");
    typeIntoPreview(QStringLiteral("Hi"));
    fMain->btn_Send->click();
    EXPECT_EQ(desk->received(chat), "Hi\r");

    // Apply: the new title at once, the keys in the file, the box as the file says.
    inModalDialog = [&](QDialog&) {
        EXPECT_FALSE(options.CheckBox1->isChecked());
        EXPECT_EQ(options.Edit1->text(), QStringLiteral("Schnapsen - Chat"));
        options.Edit1->setText(QStringLiteral("Neues Fenster"));
        options.btn_OK->click();
    };
    fMain->Einstellungen1->trigger();
    EXPECT_EQ(fMain->targetTitle(), "Neues Fenster");
    EXPECT_EQ(setting("ZielFenster"), "Neues Fenster");
    EXPECT_EQ(setting("SendEnter"), "0");
    fMain->btn_Send->click();
    EXPECT_EQ(desk->received(other), "Hi");
    EXPECT_EQ(scanned(), "Hi\rHi");
}

TEST_F(SendTest, FocusLostHalfWayIsToldAndSendAndClearKeepsThePreview) {
    const WindowHandle chat = desk->openWindow("Schnapsen - Chat");
    // Another window takes the focus for good while "Servus" is being typed.
    desk->onCall([&](const std::string& entry) {
        if (entry == "scan r") {
            desk->refuseFocus(chat);
        }
    });
    typeIntoPreview(QStringLiteral("Servus"));
    fMain->btn_SendAndClear->click();
    const auto told = boxesOf(MessageBoxRequest::Information);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(told[0].text,
              QStringLiteral("Zielfenster Schnapsen - Chat hat den Fokus verloren, der "
                             "Text wurde nicht vollständig gesendet!"));
    EXPECT_EQ(desk->received(chat), "Ser");
    EXPECT_EQ(fMain->Memo1->toPlainText(), QStringLiteral("Servus"));

    // Sent whole once the window takes the focus again; then the box is cleared.
    desk->onCall({});
    desk->refuseFocus(chat, false);
    fMain->btn_SendAndClear->click();
    EXPECT_EQ(boxesOf(MessageBoxRequest::Information).size(), 1u);
    EXPECT_EQ(desk->received(chat), "SerServus");
    EXPECT_TRUE(fMain->Memo1->toPlainText().isEmpty());
}
