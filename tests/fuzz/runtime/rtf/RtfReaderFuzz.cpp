// Any bytes at all must read without a crash, a hang or a leak, and the text must be
// walkable afterwards.
#include "runtime/rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument document;
    readRtf(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
            document);
    qsizetype characters = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            characters += it.fragment().length();
        }
    }
    // Every character comes from at least one byte of the input (the first block is free).
    if (characters > static_cast<qsizetype>(size) + 1) {
        __builtin_trap();
    }
    return 0;
}
