#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <utility>

// An error that ends an event handler. Its German message is shown to the user as it stands
// by the error report; nothing catches it on the way there.
class QuipError : public std::exception {
public:
    explicit QuipError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

    // The message with every "%s" of the template replaced by the argument.
    static QuipError format(const QString& messageTemplate, const QString& argument) {
        QString text = messageTemplate;
        return QuipError(text.replace(QStringLiteral("%s"), argument));
    }

    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
