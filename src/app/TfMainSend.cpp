// The send buttons and the send action.
#include "app/TfMain.h"

#include "app/PreviewBox.h"
#include "app/SystemSendingPlatform.h"
#include "dialogs/TfOptionen.h"
#include "runtime/Cp1252.h"
#include "runtime/MessageBoxes.h"
#include "sending/SendPreviewText.h"
#include "sending/UntypedCharacters.h"

#include <QPlainTextEdit>

#include <string_view>
#include <utility>

void TfMain::btn_SendClick() {
    SendPreviewText();
}

void TfMain::btn_SendAndClearClick() {
    // Also after the missing-window message, when nothing was typed; but a text that did not
    // arrive whole stays, so that it can be sent again.
    if (SendPreviewText() != SendResult::FocusLost) {
        Memo1->clear();
    }
}

void TfMain::btn_ClearClick() {
    Memo1->clear();
}

void TfMain::setSendingPlatform(std::unique_ptr<SendingPlatform> platform) {
    platform_ = std::move(platform);
}

SendingPlatform* TfMain::sendingPlatform() {
    if (!platform_) {
        SystemSending sending = createSystemSendingPlatform();
        platform_ = std::move(sending.platform);
        sendingNotice_ = QString::fromStdString(sending.notice);
    }
    return platform_.get();
}

SendResult TfMain::SendPreviewText() {
    const std::string_view title(targetTitle_.constData(),
                                 static_cast<std::size_t>(targetTitle_.size()));
    const QByteArray text = previewText(*Memo1);
    // The box as it stands, applied or not.
    const bool autoEnter = dialogs_.options != nullptr && dialogs_.options->SendEnter();
    SendingPlatform* platform = sendingPlatform();
    // Without the desktop's services no window can be found.
    const SendResult result =
        platform == nullptr
            ? SendResult::TargetMissing
            : ::SendPreviewText(
                  *platform, title,
                  std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                  autoEnter);
    if (result == SendResult::TargetMissing) {
        showInformation(fromCp1252(std::string_view(missingTargetMessage(title))));
        if (!sendingNotice_.isEmpty()) {
            showInformation(std::exchange(sendingNotice_, QString()));
        }
    } else if (result == SendResult::FocusLost) {
        showInformation(fromCp1252(std::string_view(focusLostMessage(title))));
    }
    // Everything else was typed; the user learns what was not.
    if (platform != nullptr) {
        if (const std::string untyped = platform->takeUntypedCharacters(); !untyped.empty()) {
            showInformation(fromCp1252(std::string_view(untypedCharactersMessage(untyped))));
        }
    }
    return result;
}
