#include "dialogs/TfAbout.h"

#include "Version.h"
#include "widgets/ClickPanel.h"
#include "widgets/DesignFont.h"
#include "widgets/HotLinkLabel.h"
#include "widgets/InfoBackground.h"
#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>

// The pictures are compiled into this static library: register them before the first use.
static int registerAboutPictures() {
    Q_INIT_RESOURCE(about);
    return 0;
}

static QString aboutPicture(const char* name) {
    static const int registered = registerAboutPictures();
    Q_UNUSED(registered);
    return QStringLiteral(":/about/") + QLatin1String(name);
}

const QString TfAbout::kWebAddress = QStringLiteral("https://quipsender.example.org");
const QString TfAbout::kMailAddress = QStringLiteral("quipsender@example.org");

namespace {

QLabel* makePicture(QRect box, const QPixmap& picture, Qt::Alignment alignment, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setGeometry(box);
    label->setAlignment(alignment);
    label->setPixmap(picture);
    // A click on a picture is a click on the panel.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The bitmap stretched to the box, its bottom-left pixel's colour see-through.
QPixmap transparentStretched(const QString& resource, QSize box) {
    QImage image = QImage(resource).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        return {};
    }
    const QRgb seeThrough = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == seeThrough) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return QPixmap::fromImage(image.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QLabel* makeText(const QString& text, QRect box, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(box);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, HotLinkLabel::kNormalColour);
    label->setPalette(colours);
    if (bold) {
        QFont font;
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

HotLinkLabel* makeLink(const QString& text, const QString& address, QRect box,
                       Qt::Alignment alignment, QWidget* parent) {
    auto* link = new HotLinkLabel(text, QUrl(address), parent);
    link->setGeometry(box);
    link->setAlignment(alignment);
    return link;
}

} // namespace

TfAbout::TfAbout(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Panel1(new ClickPanel(this)),
      Image1(makePicture({8, 8, 161, 89}, QPixmap(aboutPicture("logo.gif")),
                         Qt::AlignLeft | Qt::AlignTop, Panel1)),
      Image2(makePicture({240, 8, 89, 113},
                         transparentStretched(aboutPicture("cards.bmp"), {89, 113}),
                         Qt::AlignLeft | Qt::AlignTop, Panel1)),
      Label3(makeText(QStringLiteral("Version " QUIP_VERSION_STRING
                                     " – die neueste auf quipsender.example.org"),
                      {8, 125, 313, 18}, false, Panel1)),
      HotLink1(makeLink(QLatin1Char('[') + kWebAddress + QLatin1Char(']'), kWebAddress,
                        {8, 144, 321, 25}, Qt::AlignLeft | Qt::AlignVCenter, Panel1)),
      Label2(makeText(QStringLiteral("Thanx to:"), {16, 167, 73, 16}, true, Panel1)),
      Label1(makeText(QStringLiteral("Erika Mustermann, Testerin"), {16, 180, 152, 14}, false,
                      Panel1)),
      MailTo1(
          makeLink(QStringLiteral("Quipsender-Team: ") + kMailAddress,
                   QStringLiteral("mailto:") + kMailAddress + QStringLiteral("?SUBJECT=Quipsender"),
                   {0, 224 - 18, 329, 18}, Qt::AlignCenter, Panel1)) {
    setFixedSize(329, 224);
    // Left open, it must not keep the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(designFont(DesignTypeface::MsSansSerif));
    Panel1->setGeometry(0, 0, 329, 224);
    fillWithInfoBackground(*Panel1);
    connect(Panel1, &ClickPanel::clicked, this, &TfAbout::Panel1Click);
    // The text lines are not part of the background: a click on them does nothing.
    for (QLabel* line : {Label3, Label2, Label1}) {
        line->installEventFilter(this);
    }
}

void TfAbout::Panel1Click() {
    hide();
}

void TfAbout::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreOnScreen(*this);
    }
}

bool TfAbout::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (watched == Label3 || watched == Label2 || watched == Label1) {
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
