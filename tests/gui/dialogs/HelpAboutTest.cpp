#include "support/dialogs/DialogsTestSupport.h"

#include "dialogs/TfAbout.h"
#include "dialogs/TfHelp.h"
#include "widgets/ClickPanel.h"
#include "widgets/HotLinkLabel.h"
#include "widgets/InfoBackground.h"

#include <QDesktopServices>
#include <QLabel>
#include <QScreen>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

using HelpTest = DialogsTest;
using AboutTest = DialogsTest;

// Collects every address handed to the platform's default handler.
class OpenedAddresses : public QObject {
    Q_OBJECT
public:
    OpenedAddresses() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "open");
    }
    ~OpenedAddresses() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& address) { opened.push_back(address); }
};

QPoint centreOf(const QWidget& child) {
    return child.geometry().center();
}

bool centredOnScreen(const QWidget& window) {
    return (window.frameGeometry().center() - window.screen()->geometry().center())
               .manhattanLength() <= 2;
}

} // namespace

TEST_F(HelpTest, TheTextIsReadOnceWhenTheWindowIsMadeAndShownReadOnlyCentred) {
    writeFile(QStringLiteral("Help.rtf"),
              "{\\rtf1\\ansi{\\b Erste Schritte}\\par Doppelklick kopiert \\'e4hnlich.\\par}");
    TfHelp help;
    const QTextDocument& document = *help.RichEdit1->document();
    EXPECT_EQ(document.toPlainText(),
              QStringLiteral("Erste Schritte\nDoppelklick kopiert ähnlich."));
    EXPECT_TRUE(document.begin().begin().fragment().charFormat().font().bold());
    EXPECT_TRUE(help.RichEdit1->isReadOnly());
    EXPECT_EQ(help.RichEdit1->viewport()->palette().color(QPalette::Base), infoBackground());

    // Changed while the program runs: no effect.
    writeFile(QStringLiteral("Help.rtf"), "{\\rtf1 Etwas ganz anderes}");
    help.show();
    EXPECT_EQ(help.frameGeometry().size(), QSize(622, 542));
    EXPECT_TRUE(centredOnScreen(help));
    // A size and place the user gives it last through hiding.
    help.setGeometry(10, 10, 300, 200);
    help.hide();
    help.show();
    EXPECT_EQ(help.geometry(), QRect(10, 10, 300, 200));
    EXPECT_TRUE(document.toPlainText().startsWith(QStringLiteral("Erste Schritte")));

    QFile::remove(QStringLiteral("Help.rtf"));
    QFile::copy(QStringLiteral(QUIP_DEFAULTS_DIR "/Help.rtf"), QStringLiteral("Help.rtf"));
    TfHelp shipped;
    EXPECT_GT(shipped.RichEdit1->document()->characterCount(), 500);
    EXPECT_EQ(shipped.RichEdit1->textCursor().position(), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(HelpTest, OpenInformationWindowsDoNotKeepTheProgramRunning) {
    TfHelp help;
    TfAbout about;
    QWidget mainWindow;
    mainWindow.show();
    help.show();
    about.show();
    // Closing the main window ends the event loop, or the guard does after a while.
    QTimer::singleShot(10000, &help, [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, &mainWindow, [&] { mainWindow.close(); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(AboutTest, PicturesAndTextsFitTheirPlaces) {
    TfAbout about;
    about.show();
    EXPECT_EQ(about.frameGeometry().size(), QSize(329, 224));
    EXPECT_TRUE(centredOnScreen(about));

    // The stretched picture: see-through where its bottom-left colour was, drawn elsewhere.
    const QImage cards = about.Image2->pixmap().toImage();
    ASSERT_EQ(cards.size(), about.Image2->size());
    EXPECT_EQ(qAlpha(cards.pixel(0, cards.height() - 1)), 0);
    int drawn = 0;
    for (int y = 0; y < cards.height(); ++y) {
        for (int x = 0; x < cards.width(); ++x) {
            drawn += qAlpha(cards.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, 300);
    EXPECT_LT(drawn, cards.width() * cards.height() / 2);

    for (const QLabel* line : std::initializer_list<const QLabel*>{
             about.Label3, about.Label2, about.Label1, about.HotLink1, about.MailTo1}) {
        EXPECT_LE(line->sizeHint().width(), line->width()) << line->text().toStdString();
    }
}

TEST_F(AboutTest, AClickOnTheBackgroundOrAPictureHidesItAndOnATextLineOrLinkDoesNot) {
    OpenedAddresses addresses;
    TfAbout about;
    for (const QPoint point : {QPoint(200, 60), centreOf(*about.Image1), centreOf(*about.Image2),
                               QPoint(about.Image1->geometry().right() - 2, 90)}) {
        about.show();
        clickAt(about, point);
        EXPECT_FALSE(about.isVisible()) << point.x() << "," << point.y();
    }
    about.show();
    QTest::mouseClick(about.Panel1, Qt::RightButton, Qt::NoModifier, QPoint(200, 60));
    for (const QLabel* line : {about.Label3, about.Label2, about.Label1}) {
        clickAt(about, centreOf(*line));
    }
    EXPECT_TRUE(addresses.opened.isEmpty());
    // A link opens its address.
    clickAt(about, centreOf(*about.HotLink1));
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

    // Navy under the pointer, blue again when it leaves.
    HotLinkLabel& link = *about.MailTo1;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), link.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&link, &enter);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), HotLinkLabel::kHoverColour);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), HotLinkLabel::kNormalColour);
}

#include "HelpAboutTest.moc"
