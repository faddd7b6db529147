#include "sending/UntypedCharacters.h"

namespace {

constexpr char kNoBreakSpace = '\xA0';
constexpr char kSoftHyphen = '\xAD';

} // namespace

std::string untypedCharactersMessage(std::string_view characters) {
    std::string message = "Diese Zeichen kann die Tastaturbelegung nicht schreiben, sie wurden "
                          "nicht gesendet:";
    for (const char c : characters) {
        message += ' ';
        if (c == kNoBreakSpace) {
            message += "(gesch\xFCtztes Leerzeichen)";
        } else if (c == kSoftHyphen) {
            message += "(bedingter Trennstrich)";
        } else {
            message += c;
        }
    }
    return message;
}
