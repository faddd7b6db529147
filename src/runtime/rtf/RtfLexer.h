#pragma once

#include <QByteArrayView>

// Splits RTF into its tokens. It never fails: malformed input (a lone backslash, a broken
// \'hh, endless digits) still yields tokens, and the input's end yields End forever.
struct RtfToken {
    enum Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };

    Kind kind = End;
    // The control word's letters (at most kMaxWordLength), the control symbol's character,
    // or the run of plain text (line ends inside it are already left out).
    QByteArrayView text;
    bool hasParameter = false;
    int parameter = 0;
    unsigned char byte = 0; // HexByte
};

class RtfLexer {
public:
    explicit RtfLexer(QByteArrayView input) : input_(input) {}

    RtfToken next();
    // Passes over raw data (the bytes that follow \binN).
    void skipBytes(qint64 count);
    bool atEnd() const { return pos_ >= input_.size(); }

    static constexpr qsizetype kMaxWordLength = 32;

private:
    RtfToken controlWord();

    QByteArrayView input_;
    qsizetype pos_ = 0;
};
