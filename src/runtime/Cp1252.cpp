#include "Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F as Windows maps them; the undefined ones stand for themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

template <typename Out>
void encodeInto(const QString& text, Out& out) {
    out.reserve(static_cast<decltype(out.size())>(text.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = text.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i).unicode(), text.at(i + 1).unicode());
            ++i;
        }
        const int byte = unicodeToCp1252(cp);
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
}

} // namespace

char16_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int unicodeToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

QString fromCp1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = QChar(cp1252ToUnicode(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

QString fromCp1252(std::string_view bytes) {
    return fromCp1252(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QByteArray toCp1252(const QString& text) {
    QByteArray bytes;
    encodeInto(text, bytes);
    return bytes;
}

std::string toCp1252String(const QString& text) {
    std::string bytes;
    encodeInto(text, bytes);
    return bytes;
}
