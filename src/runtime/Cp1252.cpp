#include "runtime/Cp1252.h"

#include "charset/Cp1252Table.h"

namespace {

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
        const auto byte = unicodeToCp1252(cp);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
}

} // namespace

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
