#include "DialogsTestSupport.h"

#include "ClickPanel.h"
#include "HotLinkLabel.h"
#include "InfoBackground.h"
#include "TfAbout.h"
#include "TfHelp.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>

#include <memory>

namespace {

const QByteArray kHelpText = "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0 "
                             "{\\b Erste Schritte}\\par Doppelklick kopiert \\'e4hnlich.\\par}";

using HelpTest = DialogsTest;

// Collects every address handed to the platform's default handler.
class OpenedAddresses : public QObject {
    Q_OBJECT
public:
    OpenedAddresses() {
        for (const char* scheme : {"https", "http", "mailto"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        }
    }
    ~OpenedAddresses() override {
        for (const char* scheme : {"https", "http", "mailto"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& address) { opened.push_back(address); }
};

QPoint centreOf(const QWidget& child) {
    return child.geometry().center();
}

} // namespace

TEST_F(HelpTest, AMissingHelpFileIsReportedOnceAndLeavesTheViewerEmpty) {
    TfHelp help;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageBoxRequest::Error);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Quipsender"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Datei Help.rtf kann nicht geöffnet werden."));
    help.show();
    help.hide();
    help.show();
    EXPECT_TRUE(help.RichEdit1->document()->isEmpty());
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(HelpTest, TheTextIsReadOnceWhenTheWindowIsMade) {
    writeFile(pathOf(QStringLiteral("Help.rtf")), kHelpText);
    TfHelp help;
    EXPECT_TRUE(boxes.empty());
    const QTextDocument& document = *help.RichEdit1->document();
    EXPECT_EQ(document.toPlainText(),
              QStringLiteral("Erste Schritte\nDoppelklick kopiert ähnlich."));
    EXPECT_TRUE(document.begin().begin().fragment().charFormat().font().bold());

    writeFile(pathOf(QStringLiteral("Help.rtf")), "{\\rtf1 Etwas ganz anderes}");
    help.show();
    help.hide();
    help.show();
    EXPECT_TRUE(document.toPlainText().startsWith(QStringLiteral("Erste Schritte")));
}

TEST_F(HelpTest, TheShippedHelpTextLoads) {
    QFile::copy(QStringLiteral(QUIP_DEFAULTS_DIR "/Help.rtf"), pathOf(QStringLiteral("Help.rtf")));
    TfHelp help;
    EXPECT_TRUE(boxes.empty());
    EXPECT_GT(help.RichEdit1->document()->characterCount(), 500);
}

TEST_F(HelpTest, AReadOnlyViewerOnTheTooltipColourCentredOnTheScreen) {
    TfHelp help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Hilfe"));
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(help.RichEdit1->isReadOnly());
    EXPECT_EQ(help.RichEdit1->viewport()->palette().color(QPalette::Base), infoBackground());

    help.show();
    EXPECT_EQ(help.frameGeometry().size(), QSize(622, 542));
    const QRect screen = help.screen()->geometry();
    EXPECT_LE((help.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_EQ(help.RichEdit1->geometry(), help.rect());

    // Sizeable, and a size or place the user gives it lasts through hiding.
    help.resize(300, 200);
    help.move(10, 10);
    help.hide();
    help.show();
    EXPECT_EQ(help.size(), QSize(300, 200));
    EXPECT_EQ(help.pos(), QPoint(10, 10));
}

using AboutTest = DialogsTest;

TEST_F(AboutTest, LayoutPicturesAndTexts) {
    TfAbout about;
    about.show();
    EXPECT_EQ(about.size(), QSize(329, 224));
    EXPECT_EQ(about.frameGeometry(), about.geometry());
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_LE(
        (about.frameGeometry().center() - about.screen()->geometry().center()).manhattanLength(),
        2);
    EXPECT_EQ(about.Panel1->geometry(), about.rect());
    EXPECT_EQ(about.Panel1->palette().color(QPalette::Window), infoBackground());

    EXPECT_EQ(about.Image1->pixmap().size(), QSize(130, 75));
    EXPECT_EQ(about.Image1->geometry(), QRect(8, 8, 161, 89));
    const QImage cards = about.Image2->pixmap().toImage();
    ASSERT_EQ(cards.size(), QSize(89, 113));
    EXPECT_EQ(qAlpha(cards.pixel(0, cards.height() - 1)), 0);
    int drawn = 0;
    for (int y = 0; y < cards.height(); ++y) {
        for (int x = 0; x < cards.width(); ++x) {
            drawn += qAlpha(cards.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, 300);
    EXPECT_LT(drawn, cards.width() * cards.height() / 2);

    EXPECT_EQ(about.MailTo1->geometry(), QRect(0, 224 - 18, 329, 18));
    EXPECT_EQ(about.MailTo1->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(about.Label3->text().contains(QStringLiteral("quipsender.example.org")));
    EXPECT_EQ(about.HotLink1->text(), QStringLiteral("[https://quipsender.example.org]"));
    EXPECT_EQ(about.Label2->text(), QStringLiteral("Thanx to:"));
    EXPECT_TRUE(about.Label2->font().bold());
    for (const QLabel* line :
         {about.Label3, about.Label2, about.Label1, static_cast<QLabel*>(about.HotLink1),
          static_cast<QLabel*>(about.MailTo1)}) {
        EXPECT_LE(line->sizeHint().width(), line->width()) << line->text().toStdString();
        EXPECT_EQ(line->palette().color(QPalette::WindowText), HotLinkLabel::kNormalColour);
    }
}

TEST_F(AboutTest, AClickOnTheBackgroundOrAPictureHidesIt) {
    TfAbout about;
    for (const QPoint point : {QPoint(200, 60), centreOf(*about.Image1), centreOf(*about.Image2),
                               QPoint(about.Image1->geometry().right() - 2, 90)}) {
        about.show();
        clickAt(about, point);
        EXPECT_FALSE(about.isVisible()) << point.x() << "," << point.y();
    }
    // The right button is no click.
    about.show();
    QTest::mouseClick(about.Panel1, Qt::RightButton, Qt::NoModifier, QPoint(200, 60));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, TheTextLinesTakeNoClicks) {
    TfAbout about;
    about.show();
    for (const QLabel* line : {about.Label3, about.Label2, about.Label1}) {
        clickAt(about, centreOf(*line));
        EXPECT_TRUE(about.isVisible()) << line->text().toStdString();
    }
}

TEST_F(AboutTest, ALinkOpensItsAddressAndLeavesTheWindowOpen) {
    OpenedAddresses addresses;
    TfAbout about;
    about.show();
    clickAt(about, centreOf(*about.HotLink1));
    EXPECT_TRUE(about.isVisible());
    clickAt(about, centreOf(*about.MailTo1));
    EXPECT_TRUE(about.isVisible());
    ASSERT_EQ(addresses.opened.size(), 2);
    EXPECT_EQ(addresses.opened[0], QUrl(QStringLiteral("https://quipsender.example.org")));
    EXPECT_EQ(addresses.opened[1].toString(),
              QStringLiteral("mailto:quipsender@example.org?SUBJECT=Quipsender"));

    // A press on the link that ends elsewhere opens nothing.
    QTest::mousePress(about.HotLink1, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(about.HotLink1, Qt::LeftButton, Qt::NoModifier, QPoint(5, -40));
    EXPECT_EQ(addresses.opened.size(), 2);
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, LinksTurnNavyUnderThePointer) {
    TfAbout about;
    about.show();
    HotLinkLabel& link = *about.MailTo1;
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), link.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&link, &enter);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), HotLinkLabel::kHoverColour);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), HotLinkLabel::kNormalColour);
}

#include "HelpAboutTest.moc"
