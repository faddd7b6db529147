// Captions of other programs' windows are UTF-8 of any quality; the conversion to cp1252
// must never read out of bounds, never grow the text, and give back every cp1252 text
// that was turned into UTF-8.
#include "charset/Utf8Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(utf8ToCp1252(bytes).size() <= size);
    check(utf8ToCp1252(cp1252ToUtf8(bytes)) == bytes);
    return 0;
}
