#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The error report: the message box in which an error that ends a handler is shown, with
// the error icon, the caption "Quipsender" and one "OK". Errors never cross Qt's event
// loop: every handler that may throw runs through runGuarded.

// The message as shown: "." is added when its last character's code comes after "."
// (so after a letter or digit, not after "!", ")" or a blank).
QString errorReportText(const QString& message);

void showErrorReport(const QString& message);
// Several errors in one report, one line each, every line as a report of its own shows it.
void showErrorReport(const QStringList& messages);

// Runs the handler; a QuipError or any other std::exception that it throws is shown in the
// error report and goes no further. True when the handler ran to its end.
bool runGuarded(const std::function<void()>& handler);
