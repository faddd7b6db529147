#pragma once

#include <QByteArrayView>
#include <QString>
#include <QTextListFormat>

// What the RTF reader makes of RTF's words and of list labels.

enum class RtfListKind {
    None,
    ByLabel, // decided by the label text that precedes the item
    Bullet,
    Decimal,
    LowerAlpha,
    UpperAlpha,
    LowerRoman,
    UpperRoman,
};

// Groups whose content is not text for the reader (document information, pictures, ...).
bool isSkippedRtfDestination(QByteArrayView word);

// The character a control word such as \emdash stands for; 0 for other words.
char16_t rtfNamedCharacter(QByteArrayView word);

// Word processors put a label ("·", "1.", "a)") before each list item; it tells the kind of
// list. Outline levels of headings are lists too, but with no label: None.
RtfListKind rtfListKindOfLabel(const QString& label);

QTextListFormat::Style rtfListStyle(RtfListKind kind);
