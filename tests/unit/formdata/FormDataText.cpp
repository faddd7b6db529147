#include "FormDataText.h"

#include "FormDataWriter.h"

#include <malloc.h>

#include <cctype>
#include <stdexcept>
#include <string>

namespace {

QByteArray qbytes(std::string_view text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

class TextView {
public:
    explicit TextView(std::string_view text) : text_(text) {}

    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }
    char peek() { return atEnd() ? '\0' : text_[pos_]; }
    void expect(char c) {
        if (peek() != c) {
            throw std::invalid_argument("expected " + std::string(1, c) + " in " +
                                        std::string(text_));
        }
        ++pos_;
    }
    std::string_view word() {
        skipBlanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                       text_[pos_] == '-' || text_[pos_] == '_')) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    void value(FormDataWriter& writer) {
        switch (peek()) {
        case '(':
            expect('(');
            writer.writeListBegin();
            while (peek() != ')') {
                value(writer);
            }
            expect(')');
            writer.writeListEnd();
            break;
        case '\'':
            writer.writeString(quoted());
            break;
        case '{': {
            expect('{');
            const std::size_t end = text_.find('}', pos_);
            writer.writeBinary(bytes(text_.substr(pos_, end - pos_)));
            pos_ = end + 1;
            break;
        }
        default:
            writer.writeInteger(std::stoi(std::string(word())));
        }
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
    }
    QByteArray quoted() {
        expect('\'');
        QByteArray text;
        for (;;) {
            const std::size_t end = text_.find('\'', pos_);
            text.append(qbytes(text_.substr(pos_, end - pos_)));
            pos_ = end + 1;
            if (pos_ >= text_.size() || text_[pos_] != '\'') {
                return text;
            }
            text.append('\'');
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

QByteArray formValues(std::string_view text) {
    TextView view(text);
    FormDataWriter writer;
    while (!view.atEnd()) {
        view.value(writer);
    }
    return writer.data();
}

QByteArray propertyList(std::string_view text) {
    TextView view(text);
    FormDataWriter writer;
    while (!view.atEnd()) {
        writer.writePropName(qbytes(view.word()));
        view.expect('=');
        view.value(writer);
    }
    writer.writeEndOfProperties();
    return writer.data();
}

QByteArray bytes(std::string_view hex) {
    return QByteArray::fromHex(qbytes(hex));
}

long long heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}
