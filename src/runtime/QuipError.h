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

    // The message with its first "%s" replaced by the first argument and its second by the
    // second; "%s" inside the arguments stays as it is.
    static QuipError format(const QString& messageTemplate, const QString& first,
                            const QString& second) {
        const QString placeholder = QStringLiteral("%s");
        const qsizetype at = messageTemplate.indexOf(placeholder);
        if (at < 0) {
            return QuipError(messageTemplate);
        }
        return QuipError(messageTemplate.left(at) + first +
                         format(messageTemplate.mid(at + placeholder.size()), second).message());
    }

    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
