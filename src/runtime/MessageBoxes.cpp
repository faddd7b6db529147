#include "runtime/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxAnswer showRealBox(const MessageBoxRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.caption);
    // Messages quote user text (window titles, file names): never read it as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(request.text);
    QPushButton* yes = nullptr;
    if (request.kind == MessageBoxRequest::Confirmation) {
        box.setIcon(QMessageBox::Question);
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(request.defaultAnswer == MessageBoxAnswer::No ? no : yes);
        box.setEscapeButton(no);
    } else {
        box.setIcon(request.kind == MessageBoxRequest::Error ? QMessageBox::Critical
                                                             : QMessageBox::Information);
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    if (yes == nullptr) {
        return MessageBoxAnswer::Ok;
    }
    return box.clickedButton() == yes ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

MessageBoxPresenter& presenter() {
    static MessageBoxPresenter current;
    return current;
}

} // namespace

MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter replacement) {
    return std::exchange(presenter(), std::move(replacement));
}

MessageBoxAnswer showMessageBox(const MessageBoxRequest& request) {
    return presenter() ? presenter()(request) : showRealBox(request);
}

bool askConfirmation(const QString& text, MessageBoxAnswer defaultAnswer) {
    return showMessageBox({MessageBoxRequest::Confirmation, QStringLiteral("Bestätigung"), text,
                           defaultAnswer}) == MessageBoxAnswer::Yes;
}

void showInformation(const QString& text) {
    showMessageBox({MessageBoxRequest::Information, QStringLiteral("Information"), text});
}
