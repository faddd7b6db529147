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
    const char* pos_;
    const char* end_;
};
