#include "runtime/ErrorReport.h"

#include "runtime/MessageBoxes.h"
#include "runtime/QuipError.h"

#include <exception>

QString errorReportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}

void showErrorReport(const QString& message) {
    showMessageBox({MessageBoxRequest::Error, kApplicationTitle, errorReportText(message)});
}

void showErrorReport(const QStringList& messages) {
    QStringList lines;
    for (const QString& message : messages) {
        lines << errorReportText(message);
    }
    showErrorReport(lines.join(QLatin1Char('\n')));
}

bool runGuarded(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const QuipError& error) {
        showErrorReport(error.message());
    } catch (const std::exception& error) {
        showErrorReport(QString::fromUtf8(error.what()));
    }
    return false;
}
