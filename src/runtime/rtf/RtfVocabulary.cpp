#include "runtime/rtf/RtfVocabulary.h"

#include <algorithm>
#include <iterator>
#include <utility>

bool isSkippedRtfDestination(QByteArrayView word) {
    // clang-format off
    static constexpr QByteArrayView names[] = {
        "annotation", "atnauthor", "atnid", "author", "bkmkend", "bkmkstart",
        "colorschememapping", "comment", "datastore", "doccomm", "fldinst", "filetbl",
        "footer", "footerf", "footerl", "footerr", "footnote", "generator", "header",
        "headerf", "headerl", "headerr", "info", "keywords", "latentstyles", "listoverridetable",
        "listpicture", "listtable", "mmathPr", "nonshppict", "object", "objdata", "operator",
        "pgdsctbl", "pict", "private", "revtbl", "rsidtbl", "stylesheet", "subject", "tc",
        "template", "themedata", "title", "txe", "userprops", "xe", "xmlnstbl",
    };
    // clang-format on
    return std::find(std::begin(names), std::end(names), word) != std::end(names);
}

char16_t rtfNamedCharacter(QByteArrayView word) {
    static constexpr std::pair<QByteArrayView, char16_t> table[] = {
        {"bullet", 0x2022},  {"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
    };
    for (const auto& [name, character] : table) {
        if (name == word) {
            return character;
        }
    }
    return 0;
}

RtfListKind rtfListKindOfLabel(const QString& label) {
    const QString trimmed = label.trimmed();
    if (trimmed.isEmpty()) {
        return RtfListKind::None;
    }
    const QChar first = trimmed.at(0);
    if (first.isDigit()) {
        return RtfListKind::Decimal;
    }
    if (trimmed.size() > 1 && first.isLetter() && first.unicode() < 0x80) {
        return first.isLower() ? RtfListKind::LowerAlpha : RtfListKind::UpperAlpha;
    }
    return RtfListKind::Bullet;
}

QTextListFormat::Style rtfListStyle(RtfListKind kind) {
    switch (kind) {
    case RtfListKind::Decimal:
        return QTextListFormat::ListDecimal;
    case RtfListKind::LowerAlpha:
        return QTextListFormat::ListLowerAlpha;
    case RtfListKind::UpperAlpha:
        return QTextListFormat::ListUpperAlpha;
    case RtfListKind::LowerRoman:
        return QTextListFormat::ListLowerRoman;
    case RtfListKind::UpperRoman:
        return QTextListFormat::ListUpperRoman;
    default:
        return QTextListFormat::ListDisc;
    }
}
