#pragma once

#include <QByteArrayView>

// Walks the lines of a text without copying: a line ends at CR LF, a lone CR or a lone LF
// (LF CR is two line ends), a last line needs no line end, and a NUL ends the text.
class TextLines {
public:
    explicit TextLines(QByteArrayView text);

    // The next line, without its line end; false when the text is used up.
    bool next(QByteArrayView& line);

private:
    const char* find(const char* from, char byte) const;

    const char* pos_;
    const char* end_;
    // The next CR and LF at or after pos_ (end_ for none). Each is looked for again only
    // once passed, so a text with one kind of line end is still scanned once for the other.
    const char* nextCr_;
    const char* nextLf_;
};
