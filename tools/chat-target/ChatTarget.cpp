// A window with one text box, for sending text to. What it received is observable from
// outside: the whole text is written to the output file after every change, and once the
// window exists, "ready <window id>" is printed on standard output.
//
// chat-target --caption TEXT [--output FILE] [--hidden | --minimized]
//   --hidden     the native window is created but never shown
//   --minimized  the window starts minimised

#include <QApplication>
#include <QCommandLineParser>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

void writeText(const QString& path, const QString& text) {
    // Replaced whole, so that a reader never sees half a text.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        file.commit();
    }
}

// The text as typed: toPlainText() would turn no-break spaces into blanks.
QString typedText(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void announceReady(const QWidget& window) {
    std::printf("ready 0x%llx\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption caption(QStringLiteral("caption"), QStringLiteral("Window caption"),
                                     QStringLiteral("text"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("File that receives the text"),
                                    QStringLiteral("file"));
    const QCommandLineOption hidden(QStringLiteral("hidden"), QStringLiteral("Never show"));
    const QCommandLineOption minimized(QStringLiteral("minimized"),
                                       QStringLiteral("Start minimised"));
    parser.addOptions({caption, output, hidden, minimized});
    parser.addHelpOption();
    parser.process(app);

    QPlainTextEdit box;
    box.setWindowTitle(parser.value(caption));
    box.resize(480, 240);
    const QString outputPath = parser.value(output);
    if (!outputPath.isEmpty()) {
        writeText(outputPath, QString());
        // Written once the keys pause: a file replaced after every key kept the target so
        // busy that it read keys in large batches, unlike a chat window in real use.
        auto* settle = new QTimer(&box);
        settle->setSingleShot(true);
        settle->setInterval(20);
        QObject::connect(settle, &QTimer::timeout, [&] { writeText(outputPath, typedText(box)); });
        QObject::connect(&box, &QPlainTextEdit::textChanged, settle, qOverload<>(&QTimer::start));
    }

    if (parser.isSet(hidden)) {
        box.winId(); // a native top-level window with its caption, never mapped
        announceReady(box);
    } else {
        if (parser.isSet(minimized)) {
            box.showMinimized();
        } else {
            box.show();
        }
        box.setFocus();
        // Ready once the window system has mapped it (or, minimised, once it exists there).
        auto* poll = new QTimer(&box);
        QObject::connect(poll, &QTimer::timeout, [&box, poll, &parser, &minimized] {
            if (parser.isSet(minimized) || box.windowHandle()->isExposed()) {
                poll->stop();
                announceReady(box);
            }
        });
        poll->start(10);
    }
    return QApplication::exec();
}
