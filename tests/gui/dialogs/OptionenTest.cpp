#include "DialogsTestSupport.h"

#include "Cp1252.h"
#include "SettingsPath.h"
#include "SpinEdit.h"
#include "TfOptionen.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionViewItem>

#include <memory>
#include <optional>

namespace {

class OptionenTest : public DialogsTest {
protected:
    OptionenTest() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(10);
        mainWindow.setFont(font);
    }

    // The dialog as the program makes it: after the main window, with the settings file
    // as it is now.
    TfOptionen& makeDialog() {
        dialog = std::make_unique<TfOptionen>(
            &mainWindow, [this](const QByteArray& title) { targetTitle = title; });
        return *dialog;
    }
    QByteArray settings() const { return readFile(dialog->SettingsPath()); }

    QWidget mainWindow;
    std::unique_ptr<TfOptionen> dialog;
    std::optional<QByteArray> targetTitle;
};

// A neighbour of the family shown, picked the way a user picks it; and back again.
Qt::Key towardsNeighbour(const QComboBox& list) {
    return list.currentIndex() + 1 < list.count() ? Qt::Key_Down : Qt::Key_Up;
}
Qt::Key backFrom(Qt::Key key) {
    return key == Qt::Key_Down ? Qt::Key_Up : Qt::Key_Down;
}

QString pickOtherFamily(TfOptionen& d) {
    const QString before = d.FontComboBox1->currentText();
    QTest::keyClick(d.FontComboBox1, towardsNeighbour(*d.FontComboBox1));
    EXPECT_NE(d.FontComboBox1->currentText(), before);
    return d.FontComboBox1->currentText();
}

} // namespace

TEST_F(OptionenTest, ApplyWritesTheFourKeysInOrderAndSetsTheTargetTitle) {
    TfOptionen& d = makeDialog();
    EXPECT_EQ(QFileInfo(d.SettingsPath()).absolutePath(), QDir::current().absolutePath());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Optionen"));
    EXPECT_EQ(d.size(), QSize(347, 278));
    d.show();
    EXPECT_EQ(d.SpinEdit1->value(), 10);
    d.Edit1->setText(QStringLiteral("Schnapsen – Tisch „Käse“"));
    d.CheckBox1->setChecked(true);
    d.btn_OK->click();

    const QByteArray title = toCp1252(QStringLiteral("Schnapsen – Tisch „Käse“"));
    EXPECT_EQ(settings(), "[Options]\r\nZielFenster=" + title +
                              "\r\nFontname=DejaVu Sans\r\nFontSize=10\r\nSendEnter=1\r\n");
    EXPECT_EQ(targetTitle, title);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // Keys already there keep their places; other keys are left alone.
    writeFile(d.SettingsPath(), "[Options]\r\nSendEnter=1\r\nPosTop=5\r\nZielFenster=alt\r\n");
    d.show();
    d.Edit1->clear();
    d.CheckBox1->setChecked(false);
    d.btn_OK->click();
    EXPECT_EQ(settings(), "[Options]\r\nSendEnter=0\r\nPosTop=5\r\nZielFenster=\r\n"
                          "Fontname=DejaVu Sans\r\nFontSize=10\r\n");
    EXPECT_EQ(targetTitle, QByteArray());
}

TEST_F(OptionenTest, CancelAndTheCloseBoxWriteNothing) {
    TfOptionen& d = makeDialog();
    for (const bool closeBox : {false, true}) {
        d.show();
        d.Edit1->setText(QStringLiteral("Neu"));
        d.CheckBox1->setChecked(true);
        if (closeBox) {
            EXPECT_TRUE(d.close());
        } else {
            d.Button1->click();
        }
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(QFileInfo::exists(d.SettingsPath()));
        EXPECT_FALSE(targetTitle.has_value());
        // Nothing is undone: the send action still sees the box ticked.
        EXPECT_TRUE(d.SendEnter());
    }
}

TEST_F(OptionenTest, TitleAndAutoEnterComeFromTheSettingsFileAtStartAndAtEveryShowing) {
    writeFile(settingsPath(), "[Options]\r\nZielFenster=Tisch \xE4\r\nSendEnter=1\r\n");
    TfOptionen& d = makeDialog();
    EXPECT_EQ(d.Edit1->text(), QStringLiteral("Tisch ä"));
    EXPECT_TRUE(d.SendEnter());

    d.show();
    d.Edit1->setText(QStringLiteral("ungespeichert"));
    d.CheckBox1->setChecked(false);
    d.Button1->click();
    EXPECT_FALSE(d.SendEnter());

    writeFile(d.SettingsPath(), "[Options]\r\nZielFenster=anders\r\nSendEnter=0x10\r\n");
    d.show();
    EXPECT_EQ(d.Edit1->text(), QStringLiteral("anders"));
    EXPECT_TRUE(d.SendEnter());
    d.Button1->click();

    QFile::remove(d.SettingsPath());
    d.show();
    EXPECT_EQ(d.Edit1->text(), QString());
    EXPECT_FALSE(d.SendEnter());
}

TEST_F(OptionenTest, FontControlsPreviewOnTheMainWindowAtOnce) {
    TfOptionen& d = makeDialog();
    d.show();
    ASSERT_GE(d.FontComboBox1->count(), 2);
    EXPECT_EQ(d.FontComboBox1->currentText(), QStringLiteral("DejaVu Sans"));

    const QString picked = pickOtherFamily(d);
    EXPECT_EQ(mainWindow.font().family(), picked);
    QTest::keyClick(d.SpinEdit1, Qt::Key_Up);
    EXPECT_EQ(mainWindow.font().pointSize(), 11);
    QTest::keyClick(d.SpinEdit1, Qt::Key_PageUp);
    EXPECT_EQ(mainWindow.font().pointSize(), 21);

    // Cancel keeps the preview but stores nothing; the next showing follows the window.
    d.Button1->click();
    EXPECT_EQ(mainWindow.font().family(), picked);
    EXPECT_FALSE(QFileInfo::exists(d.SettingsPath()));
    mainWindow.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    d.show();
    EXPECT_EQ(d.FontComboBox1->currentText(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(d.SpinEdit1->value(), 14);
    // Showing changed nothing on the window.
    EXPECT_EQ(mainWindow.font().pointSize(), 14);

    const QString again = pickOtherFamily(d);
    d.btn_OK->click();
    EXPECT_TRUE(settings().contains("\r\nFontname=" + toCp1252(again) + "\r\nFontSize=14\r\n"));
}

TEST_F(OptionenTest, SizeZeroMeansTheDefaultSize) {
    TfOptionen& d = makeDialog();
    d.show();
    d.SpinEdit1->setValue(0);
    EXPECT_GT(mainWindow.font().pointSizeF(), 0);
    d.btn_OK->click();
    EXPECT_TRUE(settings().contains("\r\nFontSize=0\r\n"));
}

TEST_F(OptionenTest, AFontThatIsNotInstalledIsStoredAsItIsNotAsItsSubstitute) {
    mainWindow.setFont(QFont(QStringLiteral("Gibt Es Nicht Grotesk"), 9));
    TfOptionen& d = makeDialog();
    d.show();
    EXPECT_NE(d.FontComboBox1->currentText(), QStringLiteral("Gibt Es Nicht Grotesk"));
    d.btn_OK->click();
    EXPECT_TRUE(settings().contains("\r\nFontname=Gibt Es Nicht Grotesk\r\nFontSize=9\r\n"));
    EXPECT_EQ(mainWindow.font().family(), QStringLiteral("Gibt Es Nicht Grotesk"));

    // Picking the substitute itself is a choice like any other.
    d.show();
    const QString shown = d.FontComboBox1->currentText();
    const Qt::Key away = towardsNeighbour(*d.FontComboBox1);
    QTest::keyClick(d.FontComboBox1, away);
    QTest::keyClick(d.FontComboBox1, backFrom(away));
    EXPECT_EQ(d.FontComboBox1->currentText(), shown);
    d.btn_OK->click();
    EXPECT_TRUE(settings().contains("\r\nFontname=" + toCp1252(shown) + "\r\n"));
}

TEST_F(OptionenTest, EnterAndEscapeDoNothing) {
    TfOptionen& d = makeDialog();
    d.show();
    for (QWidget* target : {static_cast<QWidget*>(&d), static_cast<QWidget*>(d.Edit1),
                            static_cast<QWidget*>(d.CheckBox1)}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(target, key);
            EXPECT_TRUE(d.isVisible());
        }
    }
    EXPECT_FALSE(d.btn_OK->autoDefault() || d.btn_OK->isDefault());
    EXPECT_FALSE(d.Button1->autoDefault() || d.Button1->isDefault());
    EXPECT_FALSE(QFileInfo::exists(d.SettingsPath()));
    EXPECT_FALSE(targetTitle.has_value());
}

TEST_F(OptionenTest, AFailedWriteIsReportedAndKeepsTheDialogOpenAndTheTitle) {
    TfOptionen& d = makeDialog();
    ASSERT_TRUE(QDir::current().mkdir(QFileInfo(d.SettingsPath()).fileName()));
    d.show();
    d.Edit1->setText(QStringLiteral("Neu"));
    d.btn_OK->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageBoxRequest::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("nach ") + d.SettingsPath() +
                                 QStringLiteral(" kann nicht geschrieben werden."));
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(targetTitle.has_value());
    EXPECT_EQ(d.Edit1->text(), QStringLiteral("Neu"));
}

TEST_F(OptionenTest, TheThreeLinesBesideTheBoxTickIt) {
    TfOptionen& d = makeDialog();
    d.show();
    EXPECT_EQ(d.Label1->text(), QStringLiteral("automatisch ein \"Enter\" nachsenden, \n"
                                               "d.h. man muß im Browser nicht noch\n"
                                               "einmal auf den Knopf \"Senden\" drücken!"));
    EXPECT_LE(d.Label1->sizeHint().width(), d.Label1->width());
    QTest::mouseClick(d.Label1, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_TRUE(d.SendEnter());
    QTest::mouseClick(d.Label1, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_FALSE(d.SendEnter());
}

TEST_F(OptionenTest, TheFontListMarksOutlineAndBitmapFonts) {
    TfOptionen& d = makeDialog();
    QAbstractItemDelegate* delegate = d.FontComboBox1->itemDelegate();
    ASSERT_NE(delegate, nullptr);
    QStyleOptionViewItem option;
    option.fontMetrics = d.FontComboBox1->fontMetrics();
    option.font = d.FontComboBox1->font();
    const QModelIndex first = d.FontComboBox1->model()->index(0, 0);
    const QSize hint = delegate->sizeHint(option, first);
    EXPECT_GE(hint.height(), 18);
    EXPECT_GT(hint.width(), option.fontMetrics.horizontalAdvance(first.data().toString()) + 20);

    // The picture stands in front of the name, on the entry's background.
    QImage entry(hint.width() + 20, hint.height(), QImage::Format_ARGB32);
    entry.fill(Qt::white);
    option.rect = entry.rect();
    option.palette.setColor(QPalette::Text, Qt::black);
    {
        QPainter painter(&entry);
        delegate->paint(&painter, option, first);
    }
    int marked = 0;
    for (int y = 0; y < entry.height(); ++y) {
        for (int x = 0; x < 20; ++x) {
            marked += entry.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(marked, 10);
}
