#include "support/dialogs/DialogsTestSupport.h"

#include "dialogs/TfOptionen.h"
#include "runtime/Cp1252.h"
#include "runtime/SettingsPath.h"
#include "widgets/SpinEdit.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <optional>

namespace {

class OptionenTest : public DialogsTest {
protected:
    OptionenTest() { mainWindow.setFont(QFont(QStringLiteral("DejaVu Sans"), 10)); }

    // Made as the program makes it: after the main window, from the settings file as it is.
    TfOptionen& makeDialog() {
        dialog = std::make_unique<TfOptionen>(
            &mainWindow, [this](const QByteArray& title) { targetTitle = title; });
        return *dialog;
    }
    QByteArray settings() const { return readFile(dialog->settingsPath()); }

    QWidget mainWindow;
    std::unique_ptr<TfOptionen> dialog;
    std::optional<QByteArray> targetTitle;
};

// Moves the font list one entry the way a user does, down or (with back) up again.
QString pickNeighbour(QFontComboBox& list, bool back = false) {
    const bool down = (list.currentIndex() + 1 < list.count()) != back;
    QTest::keyClick(&list, down ? Qt::Key_Down : Qt::Key_Up);
    return list.currentText();
}

} // namespace

TEST_F(OptionenTest, ApplyWritesTheFourKeysInOrderAndSetsTheTargetTitle) {
    TfOptionen& d = makeDialog();
    EXPECT_EQ(QFileInfo(d.settingsPath()).absolutePath(), QDir::current().absolutePath());
    d.show();
    d.Edit1->setText(QStringLiteral("Schnapsen – Tisch „Käse“"));
    // The three lines beside the box fit and tick it too.
    EXPECT_LE(d.Label1->sizeHint().width(), d.Label1->width());
    EXPECT_LE(d.Label1->sizeHint().height(), d.Label1->height());
    QTest::mouseClick(d.Label1, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    d.btn_OK->click();
    const QByteArray title = toCp1252(QStringLiteral("Schnapsen – Tisch „Käse“"));
    EXPECT_EQ(settings(), "[Options]\r\nZielFenster=" + title +
                              "\r\nFontname=DejaVu Sans\r\nFontSize=10\r\nSendEnter=1\r\n");
    EXPECT_EQ(targetTitle, title);
    EXPECT_FALSE(d.isVisible());

    // Keys already there keep their places, other keys stay; an empty title is a title.
    writeFile(d.settingsPath(), "[Options]\r\nSendEnter=1\r\nPosTop=5\r\nZielFenster=alt\r\n");
    d.show();
    d.Edit1->clear();
    QTest::mouseClick(d.Label1, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    d.btn_OK->click();
    EXPECT_EQ(settings(), "[Options]\r\nSendEnter=0\r\nPosTop=5\r\nZielFenster=\r\n"
                          "Fontname=DejaVu Sans\r\nFontSize=10\r\n");
    EXPECT_EQ(targetTitle, QByteArray());
}

TEST_F(OptionenTest, CancelWritesNothingAndEveryShowingReloadsTitleAndAutoEnter) {
    const QByteArray file = "[Options]\r\nZielFenster=Tisch \xE4\r\nSendEnter=1\r\n";
    writeFile(settingsPath(), file);
    TfOptionen& d = makeDialog();
    EXPECT_EQ(d.Edit1->text(), QStringLiteral("Tisch ä"));
    EXPECT_TRUE(d.SendEnter());

    d.show();
    d.Edit1->setText(QStringLiteral("Neu"));
    d.CheckBox1->setChecked(false);
    for (QWidget* target : std::initializer_list<QWidget*>{&d, d.Edit1, d.CheckBox1}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(target, key);
            EXPECT_TRUE(d.isVisible());
        }
    }
    d.Button1->click();
    EXPECT_FALSE(d.isVisible());
    // Nothing is undone either: the send action sees the box as it was left.
    EXPECT_FALSE(d.SendEnter());

    d.show();
    EXPECT_EQ(d.Edit1->text(), QStringLiteral("Tisch ä"));
    EXPECT_TRUE(d.SendEnter());
    EXPECT_TRUE(d.close());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(settings(), file);
    EXPECT_FALSE(targetTitle.has_value());

    writeFile(d.settingsPath(), "[Options]\r\nZielFenster=anders\r\nSendEnter=0x10\r\n");
    d.show();
    EXPECT_EQ(d.Edit1->text(), QStringLiteral("anders"));
    EXPECT_TRUE(d.SendEnter());
    d.Button1->click();

    QFile::remove(d.settingsPath());
    d.show();
    EXPECT_EQ(d.Edit1->text(), QString());
    EXPECT_FALSE(d.SendEnter());
}

TEST_F(OptionenTest, FontControlsPreviewOnTheMainWindowAtOnce) {
    TfOptionen& d = makeDialog();
    d.show();
    const QString picked = pickNeighbour(*d.FontComboBox1);
    EXPECT_NE(picked, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(mainWindow.font().family(), picked);
    QTest::keyClick(d.SpinEdit1, Qt::Key_Up);
    EXPECT_EQ(mainWindow.font().pointSize(), 11);
    QTest::keyClick(d.SpinEdit1, Qt::Key_PageUp);
    EXPECT_EQ(mainWindow.font().pointSize(), 21);
    // 0 is the platform's default size.
    d.SpinEdit1->setValue(0);
    EXPECT_GT(mainWindow.font().pointSizeF(), 0);

    // Cancel keeps the preview; the next showing follows the window and changes nothing.
    d.Button1->click();
    EXPECT_EQ(mainWindow.font().family(), picked);
    mainWindow.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    d.show();
    EXPECT_EQ(d.FontComboBox1->currentText(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(d.SpinEdit1->value(), 14);
    EXPECT_EQ(mainWindow.font().pointSize(), 14);
    const QString again = pickNeighbour(*d.FontComboBox1);
    d.btn_OK->click();
    EXPECT_TRUE(settings().contains("\r\nFontname=" + toCp1252(again) + "\r\nFontSize=14\r\n"));
}

TEST_F(OptionenTest, TheFontListNamesEachInstalledFamilyOnceInOrder) {
    const QFontComboBox& list = *makeDialog().FontComboBox1;
    EXPECT_GE(list.findText(QStringLiteral("DejaVu Sans")), 0);
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_FALSE(list.itemText(i).contains(QLatin1Char('['))) << list.itemText(i).toStdString();
        if (i > 0) {
            EXPECT_LT(list.itemText(i - 1).compare(list.itemText(i), Qt::CaseInsensitive), 0);
        }
    }
}

TEST_F(OptionenTest, AFontThatIsNotInstalledIsStoredAsItIsNotAsItsSubstitute) {
    mainWindow.setFont(QFont(QStringLiteral("Gibt Es Nicht Grotesk"), 9));
    TfOptionen& d = makeDialog();
    d.show();
    const QString shown = d.FontComboBox1->currentText();
    EXPECT_NE(shown, QStringLiteral("Gibt Es Nicht Grotesk"));
    d.btn_OK->click();
    EXPECT_TRUE(settings().contains("\r\nFontname=Gibt Es Nicht Grotesk\r\nFontSize=9\r\n"));
    EXPECT_EQ(mainWindow.font().family(), QStringLiteral("Gibt Es Nicht Grotesk"));

    // Picking the substitute itself is a choice like any other.
    d.show();
    pickNeighbour(*d.FontComboBox1);
    EXPECT_EQ(pickNeighbour(*d.FontComboBox1, true), shown);
    d.btn_OK->click();
    EXPECT_TRUE(settings().contains("\r\nFontname=" + toCp1252(shown) + "\r\n"));
}

TEST_F(OptionenTest, AFailedWriteIsReportedAndKeepsTheDialogOpenAndTheTitle) {
    TfOptionen& d = makeDialog();
    ASSERT_TRUE(QDir::current().mkdir(QFileInfo(d.settingsPath()).fileName()));
    d.show();
    d.btn_OK->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageBoxRequest::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("nach ") + d.settingsPath() +
                                 QStringLiteral(" kann nicht geschrieben werden."));
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(targetTitle.has_value());
}
