#include "support/grid/FormDataText.h"

#include "grid/formdata/FormDataWriter.h"

#include <string>

namespace {

QByteArray qbytes(std::string_view text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    pos = text.find_first_not_of(" \n", pos);
    return pos == std::string_view::npos ? text.size() : pos;
}

// Writes the value that starts at or after pos; returns the position after it.
std::size_t writeValue(FormDataWriter& writer, std::string_view text, std::size_t pos) {
    pos = skipBlanks(text, pos);
    const char first = text[pos];
    if (first == '(') {
        writer.writeListBegin();
        for (pos = skipBlanks(text, pos + 1); text[pos] != ')'; pos = skipBlanks(text, pos)) {
            pos = writeValue(writer, text, pos);
        }
        writer.writeListEnd();
        return pos + 1;
    }
    if (first == '\'' || first == '{') {
        const std::size_t end = text.find(first == '{' ? '}' : '\'', pos + 1);
        const std::string_view inside = text.substr(pos + 1, end - pos - 1);
        first == '{' ? writer.writeBinary(bytes(inside)) : writer.writeString(qbytes(inside));
        return end + 1;
    }
    std::size_t used = 0;
    writer.writeInteger(std::stoi(std::string(text.substr(pos, 12)), &used));
    return pos + used;
}

} // namespace

QByteArray formValues(std::string_view text) {
    FormDataWriter writer;
    for (std::size_t pos = skipBlanks(text, 0); pos < text.size(); pos = skipBlanks(text, pos)) {
        pos = writeValue(writer, text, pos);
    }
    return writer.data();
}

QByteArray propertyList(std::string_view text) {
    FormDataWriter writer;
    for (std::size_t pos = skipBlanks(text, 0); pos < text.size(); pos = skipBlanks(text, pos)) {
        const std::size_t equals = text.find('=', pos);
        writer.writePropName(qbytes(text.substr(pos, text.find(' ', pos) - pos)));
        pos = writeValue(writer, text, equals + 1);
    }
    writer.writeEndOfProperties();
    return writer.data();
}

QByteArray bytes(std::string_view hex) {
    return QByteArray::fromHex(qbytes(hex));
}
