#pragma once

#include <QString>

#include <functional>

// The program's modal message boxes, German as the rest of the program. They are shown
// through one presenter, which tests replace to see and answer each box; the real one
// shows a QMessageBox over the active window.

inline const QString kApplicationTitle = QStringLiteral("Quipsender");

enum class MessageBoxAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    enum Kind { Error, Confirmation, Information };
    Kind kind = Error;
    QString caption;
    QString text;
    // The button that Enter presses in a confirmation.
    MessageBoxAnswer defaultAnswer = MessageBoxAnswer::Yes;
};

using MessageBoxPresenter = std::function<MessageBoxAnswer(const MessageBoxRequest&)>;

// Installs the presenter (an empty one brings back the real boxes); returns the previous one.
MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter presenter);

// Installs a presenter for the lifetime of a scope, typically a test.
class ScopedMessageBoxPresenter {
public:
    explicit ScopedMessageBoxPresenter(MessageBoxPresenter presenter)
        : previous_(setMessageBoxPresenter(std::move(presenter))) {}
    ~ScopedMessageBoxPresenter() { setMessageBoxPresenter(std::move(previous_)); }
    ScopedMessageBoxPresenter(const ScopedMessageBoxPresenter&) = delete;
    ScopedMessageBoxPresenter& operator=(const ScopedMessageBoxPresenter&) = delete;

private:
    MessageBoxPresenter previous_;
};

// Shows the box and returns when it is closed.
MessageBoxAnswer showMessageBox(const MessageBoxRequest& request);

// Caption "Bestätigung", question icon, "&Ja" and "&Nein"; true for "&Ja". Closing the box
// otherwise counts as "&Nein". Enter presses the default answer.
bool askConfirmation(const QString& text, MessageBoxAnswer defaultAnswer = MessageBoxAnswer::Yes);

// Caption "Information", information icon, one "OK".
void showInformation(const QString& text);
