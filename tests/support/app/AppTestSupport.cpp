#include "support/app/AppTestSupport.h"

#include "app/ProgramWindows.h"
#include "grid/view/PhraseGrid.h"
#include "runtime/ProfileFile.h"
#include "runtime/SettingsPath.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

AppTest::AppTest()
    : previous_(QDir::currentPath()), presenter_([this](const MessageBoxRequest& request) {
          boxes.push_back(request);
          return request.kind == MessageBoxRequest::Confirmation ? confirmation
                                                                 : MessageBoxAnswer::Ok;
      }) {
    EXPECT_TRUE(directory_.isValid());
    QDir::setCurrent(directory_.path());
    writeFile(QStringLiteral("Help.rtf"), "{\\rtf1 Hilfe}");
}

AppTest::~AppTest() {
    fMain.reset();
    QDir::setCurrent(previous_);
}

void AppTest::writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray AppTest::readFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AppTest::writePhraseFiles() {
    for (int page = 0; page < TfMain::kPageCount; ++page) {
        const QByteArray p = QByteArray::number(page + 1);
        writeFile(QStringLiteral("Gitter_%1.txt").arg(page + 1),
                  page == TfMain::kSmileysPage
                      ? QByteArray("Smiley\tName\r\n:-)\tlacht\r\n;-)\tzwinkert\r\n")
                      : "p" + p + " r0\r\np" + p + " r1\r\np" + p + " r2\r\n");
    }
}

SettingsLines AppTest::completeSettings() {
    SettingsLines lines = {{"ZielFenster", "Schnapsen - Chat"}};
    for (int page = 1; page <= TfMain::kPageCount; ++page) {
        lines.emplace_back("TabSheet" + QByteArray::number(page) + "Name",
                           "Seite " + QByteArray::number(page));
    }
    lines.insert(lines.end(), {{"Fontname", "DejaVu Sans"},
                               {"FontSize", "11"},
                               {"PosTop", "100"},
                               {"PosLeft", "50"},
                               {"Width", "400"},
                               {"Height", "500"}});
    for (int page = 1; page <= TfMain::kPageCount; ++page) {
        lines.emplace_back("GridHeight" + QByteArray::number(page), QByteArray::number(20 + page));
    }
    lines.emplace_back("FirstExecution", "0");
    return lines;
}

SettingsLines AppTest::changed(SettingsLines lines, const QByteArray& key,
                               const QByteArray& value) {
    for (auto& line : lines) {
        if (line.first == key) {
            line.second = value;
        }
    }
    return lines;
}

SettingsLines AppTest::without(SettingsLines lines, const QByteArray& key) {
    std::erase_if(lines, [&](const auto& line) { return line.first == key; });
    return lines;
}

QString AppTest::settingsFile() {
    return settingsFileName(QCoreApplication::applicationFilePath());
}

void AppTest::writeSettings(const SettingsLines& lines) {
    QByteArray text = "[Options]\r\n";
    for (const auto& [key, value] : lines) {
        text += key + '=' + value + "\r\n";
    }
    writeFile(settingsFile(), text);
}

std::optional<QByteArray> AppTest::setting(const QByteArray& key) {
    const QByteArray value = ProfileFile(settingsFile()).readString("Options", key, "\x01");
    return value == "\x01" ? std::nullopt : std::optional(value);
}

TfMain& AppTest::start() {
    fMain = createProgramWindows();
    fMain->setModalRunner([this](QDialog& dialog) {
        modalDialogs.push_back(&dialog);
        dialog.show();
        if (inModalDialog) {
            inModalDialog(dialog);
        }
        dialog.hide();
    });
    auto platform = std::make_unique<RecordingPlatform>();
    desk = platform.get();
    fMain->setSendingPlatform(std::move(platform));
    return *fMain;
}

TfMain& AppTest::startWith(const SettingsLines& settings) {
    writePhraseFiles();
    writeSettings(settings);
    return start();
}

void AppTest::show() {
    fMain->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(fMain.get()));
    fMain->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(fMain.get()));
    QCoreApplication::processEvents();
}

bool AppTest::close() {
    QSignalSpy ended(fMain.get(), &TfMain::shutdownComplete);
    fMain->close();
    return ended.count() == 1;
}

PhraseGridModel& AppTest::model(int page) const {
    return fMain->grd[page]->model();
}

std::vector<MessageBoxRequest> AppTest::boxesOf(MessageBoxRequest::Kind kind) const {
    std::vector<MessageBoxRequest> found;
    for (const MessageBoxRequest& box : boxes) {
        if (box.kind == kind) {
            found.push_back(box);
        }
    }
    return found;
}

std::vector<QString> AppTest::errorTexts() const {
    std::vector<QString> texts;
    for (const MessageBoxRequest& box : boxesOf(MessageBoxRequest::Error)) {
        EXPECT_EQ(box.caption, QStringLiteral("Quipsender"));
        texts.push_back(box.text);
    }
    return texts;
}
