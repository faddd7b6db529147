#pragma once

#include "app/TfMain.h"
#include "runtime/MessageBoxes.h"
#include "sending/recording/RecordingPlatform.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

class PhraseGridModel;
class QDialog;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}

using SettingsLines = std::vector<std::pair<QByteArray, QByteArray>>;

// The whole program in a fresh current directory, as a user starts it there: the six
// windows, every message box and modal dialog seen by the test instead of shown, and a
// simulated desktop to send to.
class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Files of the working directory (cp1252 bytes).
    static void writeFile(const QString& name, const QByteArray& bytes);
    static QByteArray readFile(const QString& name);
    // Seven small phrase files: "p<page> r<row>" in rows 0 to 2 of the text pages, a header
    // and two smileys on page 4.
    static void writePhraseFiles();
    // A settings file with every key the program reads, FirstExecution "0" included.
    static SettingsLines completeSettings();
    static SettingsLines changed(SettingsLines lines, const QByteArray& key,
                                 const QByteArray& value);
    static SettingsLines without(SettingsLines lines, const QByteArray& key);
    // The settings file, named after the running executable as the program names it.
    static QString settingsFile();
    static void writeSettings(const SettingsLines& lines);
    // A key of the settings file; none when the key is not there.
    static std::optional<QByteArray> setting(const QByteArray& key);

    // Makes the program's windows (start-up reading runs), without showing them.
    TfMain& start();
    // The same after writing the seven phrase files and these settings.
    TfMain& startWith(const SettingsLines& settings);
    // Shows the main window and lets its first showing run (the first-run question).
    void show();
    // Closes the main window; whether the program ended.
    bool close();

    PhraseGridModel& model(int page) const;
    std::vector<MessageBoxRequest> boxesOf(MessageBoxRequest::Kind kind) const;
    // The texts of the error boxes, each checked for the program's caption.
    std::vector<QString> errorTexts() const;

    std::unique_ptr<TfMain> fMain;
    RecordingPlatform* desk = nullptr;
    std::vector<MessageBoxRequest> boxes;
    MessageBoxAnswer confirmation = MessageBoxAnswer::No;
    // What the user does in a modal dialog; the default closes it at once.
    std::function<void(QDialog&)> inModalDialog;
    std::vector<QDialog*> modalDialogs;

private:
    QTemporaryDir directory_;
    QString previous_;
    ScopedMessageBoxPresenter presenter_;
};
