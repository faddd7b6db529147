#include "runtime/rtf/RtfReader.h"

#include "charset/Cp1252Table.h"
#include "runtime/Cp1252.h"
#include "runtime/FileBytes.h"
#include "runtime/Messages.h"
#include "runtime/QuipError.h"
#include "runtime/rtf/RtfLexer.h"
#include "runtime/rtf/RtfVocabulary.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct CharState {
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    int vertical = 0; // -1 subscript, 1 superscript
    int font = -1;
    int halfPoints = 0; // 0: the document's size
    int color = 0, highlight = 0;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0, rightIndent = 0, firstIndent = 0, spaceBefore = 0, spaceAfter = 0; // twips
    RtfListKind list = RtfListKind::None;
    int listLevel = 0;
};

enum class Destination { Text, Skip, FontTable, ColorTable, ListLabel, Numbering };

struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int fallbackLength = 1; // \uc
};

// Deeper nesting than any writer produces; past it braces only count, so junk cannot
// make the state stack grow without end.
constexpr std::size_t kMaxDepth = 200;
constexpr std::size_t kMaxListLevels = 9;

// 1440 twips an inch, 96 pixels.
qreal twipsToPixels(int twips) {
    return twips / 15.0;
}

class RtfBuilder {
public:
    RtfBuilder(QByteArrayView rtf, QTextDocument& document)
        : lexer_(rtf), document_(document), cursor_(&document) {}

    void run();

private:
    GroupState& state() { return stack_.back(); }

    void openGroup();
    void closeGroup();
    void controlWord(QByteArrayView word, bool hasParameter, int parameter);
    bool characterFormatting(QByteArrayView word, bool hasParameter, int parameter);
    bool paragraphFormatting(QByteArrayView word, bool hasParameter, int parameter);
    void numberingWord(QByteArrayView word, bool hasParameter, int parameter);
    void controlSymbol(char symbol);
    void textRun(QByteArrayView bytes);
    void character(char16_t unit);
    void appendText(const QString& text);
    void unicodeCharacter(int parameter);
    bool consumeFallback();

    void flushText();
    void endParagraph();
    void startParagraphIfPending();
    QTextCharFormat charFormat(const CharState& chars) const;

    RtfLexer lexer_;
    QTextDocument& document_;
    QTextCursor cursor_;
    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    bool starred_ = false;
    int fallbackToSkip_ = 0;
    char16_t pendingHighSurrogate_ = 0;
    int defaultFont_ = -1;

    std::map<int, QString> fonts_;
    int tableFont_ = -1;
    QString tableFontName_;
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    std::size_t numberingOwner_ = 0;

    QString pendingText_;
    CharState pendingChars_;
    bool paragraphPending_ = false; // a paragraph ended; its successor starts with content
    QString label_;
    std::array<QTextList*, kMaxListLevels> lists_{};
};

void RtfBuilder::run() {
    document_.clear();
    cursor_ = QTextCursor(&document_);
    stack_.push_back(GroupState{});
    bool started = false;
    for (RtfToken token = lexer_.next(); token.kind != RtfToken::End; token = lexer_.next()) {
        switch (token.kind) {
        case RtfToken::GroupStart:
            started = true;
            openGroup();
            break;
        case RtfToken::GroupEnd:
            closeGroup();
            break;
        case RtfToken::ControlWord:
            controlWord(token.text, token.hasParameter, token.parameter);
            break;
        case RtfToken::ControlSymbol:
            controlSymbol(token.text[0]);
            break;
        case RtfToken::HexByte:
            if (!consumeFallback()) {
                character(cp1252ToUnicode(token.byte));
            }
            break;
        case RtfToken::Text:
            textRun(token.text);
            break;
        case RtfToken::End:
            break;
        }
        // Whatever follows the closing brace of the document is not part of it.
        if (started && stack_.size() == 1 && overflowDepth_ == 0) {
            break;
        }
    }
    if (!paragraphPending_) {
        endParagraph();
    }
}

void RtfBuilder::openGroup() {
    starred_ = false;
    fallbackToSkip_ = 0;
    if (stack_.size() >= kMaxDepth) {
        ++overflowDepth_;
        return;
    }
    stack_.push_back(stack_.back());
}

void RtfBuilder::closeGroup() {
    starred_ = false;
    fallbackToSkip_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.size() <= 1) {
        return;
    }
    const Destination leaving = state().destination;
    stack_.pop_back();
    if (leaving == Destination::FontTable && state().destination != Destination::FontTable) {
        tableFont_ = -1;
    }
}

void RtfBuilder::controlWord(QByteArrayView word, bool hasParameter, int parameter) {
    const bool starred = std::exchange(starred_, false);
    if (state().destination == Destination::Skip) {
        if (word == "bin" && hasParameter) {
            lexer_.skipBytes(parameter);
        }
        return;
    }
    if (word == "bin") { // raw data never is text
        lexer_.skipBytes(hasParameter ? parameter : 0);
        return;
    }
    if (consumeFallback()) {
        return;
    }
    if (word == "u") {
        if (hasParameter) {
            unicodeCharacter(parameter);
        }
        return;
    }
    if (word == "uc") {
        state().fallbackLength = std::max(0, parameter);
        return;
    }

    if (word == "fonttbl") {
        state().destination = Destination::FontTable;
        return;
    }
    if (word == "colortbl") {
        state().destination = Destination::ColorTable;
        return;
    }
    if (word == "listtext" || word == "pntext") {
        state().destination = Destination::ListLabel;
        label_.clear();
        return;
    }
    if (word == "pn" && stack_.size() >= 2) {
        state().destination = Destination::Numbering;
        numberingOwner_ = stack_.size() - 2;
        return;
    }
    if (starred || isSkippedRtfDestination(word)) {
        state().destination = Destination::Skip;
        return;
    }

    switch (state().destination) {
    case Destination::FontTable:
        if (word == "f" && hasParameter) {
            tableFont_ = parameter;
            tableFontName_.clear();
        }
        return;
    case Destination::ColorTable:
        if (word == "red" || word == "green" || word == "blue") {
            int& channel = word == "red" ? red_ : (word == "green" ? green_ : blue_);
            channel = std::clamp(parameter, 0, 255);
            colorGiven_ = true;
        }
        return;
    case Destination::Numbering:
        numberingWord(word, hasParameter, parameter);
        return;
    default:
        break;
    }

    if (word == "deff") {
        defaultFont_ = parameter;
    } else if (word == "par" || word == "page" || word == "sect" || word == "row") {
        endParagraph();
    } else if (word == "line") {
        character(QChar::LineSeparator);
    } else if (word == "tab" || word == "cell") {
        character(u'\t');
    } else if (const char16_t named = rtfNamedCharacter(word)) {
        character(named);
    } else if (!characterFormatting(word, hasParameter, parameter)) {
        paragraphFormatting(word, hasParameter, parameter);
    }
}

bool RtfBuilder::characterFormatting(QByteArrayView word, bool hasParameter, int parameter) {
    CharState& chars = state().chars;
    const bool on = !hasParameter || parameter != 0;
    if (word == "plain") {
        chars = CharState{};
    } else if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word.startsWith("ul") && word != "ulc") { // \ul, \uldb, \ulw, \ulwave, ...
        chars.underline = on;
    } else if (word == "strike" || word == "striked") {
        chars.strike = on;
    } else if (word == "v") {
        chars.hidden = on;
    } else if (word == "super") {
        chars.vertical = 1;
    } else if (word == "sub") {
        chars.vertical = -1;
    } else if (word == "nosupersub") {
        chars.vertical = 0;
    } else if (word == "f") {
        chars.font = hasParameter ? parameter : -1;
    } else if (word == "fs") {
        chars.halfPoints = hasParameter ? std::clamp(parameter, 0, 3276) : 24;
    } else if (word == "cf") {
        chars.color = std::max(0, parameter);
    } else if (word == "highlight" || word == "cb") {
        chars.highlight = std::max(0, parameter);
    } else {
        return false;
    }
    return true;
}

bool RtfBuilder::paragraphFormatting(QByteArrayView word, bool hasParameter, int parameter) {
    ParaState& para = state().para;
    const int twips = std::clamp(parameter, -31680, 31680); // half a page at most
    if (word == "pard") {
        para = ParaState{};
    } else if (word == "ql") {
        para.alignment = Qt::AlignLeft;
    } else if (word == "qr") {
        para.alignment = Qt::AlignRight;
    } else if (word == "qc") {
        para.alignment = Qt::AlignHCenter;
    } else if (word == "qj") {
        para.alignment = Qt::AlignJustify;
    } else if (word == "li" || word == "lin") {
        para.leftIndent = twips;
    } else if (word == "ri" || word == "rin") {
        para.rightIndent = twips;
    } else if (word == "fi") {
        para.firstIndent = twips;
    } else if (word == "sb") {
        para.spaceBefore = std::max(0, twips);
    } else if (word == "sa") {
        para.spaceAfter = std::max(0, twips);
    } else if (word == "ls") {
        para.list = hasParameter && parameter > 0 ? RtfListKind::ByLabel : RtfListKind::None;
    } else if (word == "ilvl") {
        para.listLevel = std::clamp(parameter, 0, static_cast<int>(kMaxListLevels) - 1);
    } else {
        return false;
    }
    return true;
}

// The old way of lists: {\*\pn \pnlvlblt ...} inside the paragraph it numbers.
void RtfBuilder::numberingWord(QByteArrayView word, bool hasParameter, int parameter) {
    if (numberingOwner_ >= stack_.size()) {
        return;
    }
    ParaState& para = stack_[numberingOwner_].para;
    if (word == "pnlvlblt") {
        para.list = RtfListKind::Bullet;
    } else if (word == "pnlvlbody" || word == "pnlvlcont") {
        if (para.list == RtfListKind::None) {
            para.list = RtfListKind::Decimal;
        }
    } else if (word == "pnlvl" && hasParameter) {
        para.listLevel = std::clamp(parameter - 1, 0, static_cast<int>(kMaxListLevels) - 1);
        if (para.list == RtfListKind::None) {
            para.list = RtfListKind::Decimal;
        }
    } else if (para.list != RtfListKind::Bullet) {
        if (word == "pndec") {
            para.list = RtfListKind::Decimal;
        } else if (word == "pnlcltr") {
            para.list = RtfListKind::LowerAlpha;
        } else if (word == "pnucltr") {
            para.list = RtfListKind::UpperAlpha;
        } else if (word == "pnlcrm") {
            para.list = RtfListKind::LowerRoman;
        } else if (word == "pnucrm") {
            para.list = RtfListKind::UpperRoman;
        }
    }
}

void RtfBuilder::controlSymbol(char symbol) {
    if (symbol == '*') {
        starred_ = true;
        return;
    }
    starred_ = false;
    if (state().destination == Destination::Skip || consumeFallback()) {
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        textRun(QByteArrayView(&symbol, 1));
        break;
    case '~':
        character(0x00A0);
        break;
    case '_':
        character(0x2011);
        break;
    case '-':
        character(0x00AD);
        break;
    case '\r':
    case '\n':
        if (state().destination == Destination::Text) {
            endParagraph();
        }
        break;
    case '\t':
        character(u'\t');
        break;
    default:
        break;
    }
}

// A \uN is followed by fallback characters for readers without Unicode; they are passed
// over, stopping at a group's edge.
bool RtfBuilder::consumeFallback() {
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return true;
    }
    return false;
}

void RtfBuilder::unicodeCharacter(int parameter) {
    fallbackToSkip_ = state().fallbackLength;
    if (parameter < 0) {
        parameter += 65536; // written as a signed 16-bit number
    }
    character(parameter >= 0 && parameter <= 0xFFFF ? static_cast<char16_t>(parameter) : u'?');
}

void RtfBuilder::textRun(QByteArrayView bytes) {
    const GroupState& group = state();
    while (!bytes.isEmpty() && consumeFallback()) {
        bytes = bytes.sliced(1);
    }
    if (group.destination == Destination::Skip || bytes.isEmpty()) {
        return;
    }
    if (group.destination == Destination::FontTable) {
        for (const char c : bytes) {
            if (c == ';') {
                if (tableFont_ >= 0) {
                    fonts_[tableFont_] = tableFontName_.trimmed();
                }
                tableFontName_.clear();
            } else {
                character(cp1252ToUnicode(static_cast<unsigned char>(c)));
            }
        }
        return;
    }
    if (group.destination == Destination::ColorTable) {
        for (const char c : bytes) {
            if (c == ';') {
                colors_.push_back(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
                red_ = green_ = blue_ = 0;
                colorGiven_ = false;
            }
        }
        return;
    }
    if (pendingHighSurrogate_ != 0) {
        character(cp1252ToUnicode(static_cast<unsigned char>(bytes[0])));
        bytes = bytes.sliced(1);
    }
    if (!bytes.isEmpty()) {
        appendText(fromCp1252(bytes)); // cp1252 has no surrogates: the whole run at once
    }
}

void RtfBuilder::character(char16_t unit) {
    // Pairs of \uN may spell one character beyond the first plane; halves alone are junk.
    QString text;
    if (QChar::isHighSurrogate(unit)) {
        if (pendingHighSurrogate_ != 0) {
            text += QChar(QChar::ReplacementCharacter);
        }
        pendingHighSurrogate_ = unit;
    } else if (QChar::isLowSurrogate(unit)) {
        if (pendingHighSurrogate_ != 0) {
            text += QChar(pendingHighSurrogate_);
            text += QChar(unit);
        } else {
            text += QChar(QChar::ReplacementCharacter);
        }
        pendingHighSurrogate_ = 0;
    } else {
        if (pendingHighSurrogate_ != 0) {
            text += QChar(QChar::ReplacementCharacter);
            pendingHighSurrogate_ = 0;
        }
        text += QChar(unit);
    }
    if (!text.isEmpty()) {
        appendText(text);
    }
}

void RtfBuilder::appendText(const QString& text) {
    const GroupState& group = state();
    switch (group.destination) {
    case Destination::Text:
        if (group.chars.hidden) {
            return;
        }
        startParagraphIfPending();
        if (!pendingText_.isEmpty() && !(pendingChars_ == group.chars)) {
            flushText();
        }
        pendingChars_ = group.chars;
        pendingText_ += text;
        return;
    case Destination::FontTable:
        tableFontName_ += text;
        return;
    case Destination::ListLabel:
        label_ += text;
        return;
    default:
        return;
    }
}

QTextCharFormat RtfBuilder::charFormat(const CharState& chars) const {
    QTextCharFormat format;
    if (chars.bold) {
        format.setFontWeight(QFont::Bold);
    }
    if (chars.italic) {
        format.setFontItalic(true);
    }
    if (chars.underline) {
        format.setFontUnderline(true);
    }
    if (chars.strike) {
        format.setFontStrikeOut(true);
    }
    if (chars.vertical != 0) {
        format.setVerticalAlignment(chars.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    }
    const auto font = fonts_.find(chars.font >= 0 ? chars.font : defaultFont_);
    if (font != fonts_.end() && !font->second.isEmpty()) {
        format.setFontFamilies({font->second});
    }
    if (chars.halfPoints > 0) {
        format.setFontPointSize(chars.halfPoints / 2.0);
    }
    const auto color = [this](int index) {
        return index > 0 && static_cast<std::size_t>(index) < colors_.size()
                   ? colors_[static_cast<std::size_t>(index)]
                   : QColor();
    };
    if (const QColor foreground = color(chars.color); foreground.isValid()) {
        format.setForeground(foreground);
    }
    if (const QColor background = color(chars.highlight); background.isValid()) {
        format.setBackground(background);
    }
    return format;
}

void RtfBuilder::flushText() {
    if (!pendingText_.isEmpty()) {
        cursor_.insertText(pendingText_, charFormat(pendingChars_));
        pendingText_.clear();
    }
}

void RtfBuilder::startParagraphIfPending() {
    if (paragraphPending_) {
        paragraphPending_ = false;
        cursor_.insertBlock(QTextBlockFormat(), charFormat(state().chars));
    }
}

// The paragraph takes the paragraph properties in force at its end.
void RtfBuilder::endParagraph() {
    startParagraphIfPending();
    flushText();
    const ParaState& para = state().para;
    const RtfListKind kind =
        para.list == RtfListKind::ByLabel ? rtfListKindOfLabel(label_) : para.list;
    label_.clear();

    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setRightMargin(twipsToPixels(para.rightIndent));
    format.setTopMargin(twipsToPixels(para.spaceBefore));
    format.setBottomMargin(twipsToPixels(para.spaceAfter));
    if (kind == RtfListKind::None) {
        format.setLeftMargin(twipsToPixels(std::max(0, para.leftIndent)));
        format.setTextIndent(twipsToPixels(para.firstIndent));
    }
    cursor_.setBlockFormat(format);
    cursor_.setBlockCharFormat(charFormat(state().chars));

    if (kind == RtfListKind::None) {
        lists_.fill(nullptr);
    } else {
        const auto level = static_cast<std::size_t>(para.listLevel);
        QTextList*& list = lists_[level];
        if (list != nullptr && list->format().style() == rtfListStyle(kind)) {
            list->add(cursor_.block());
        } else {
            QTextListFormat listFormat;
            listFormat.setStyle(rtfListStyle(kind));
            listFormat.setIndent(static_cast<int>(level) + 1);
            list = cursor_.createList(listFormat);
        }
        std::fill(lists_.begin() + static_cast<std::ptrdiff_t>(level) + 1, lists_.end(), nullptr);
    }
    paragraphPending_ = true;
}

QByteArrayView withoutLeadingSpace(QByteArrayView text) {
    while (!text.isEmpty() &&
           (text[0] == ' ' || text[0] == '\t' || text[0] == '\r' || text[0] == '\n')) {
        text = text.sliced(1);
    }
    return text;
}

} // namespace

void readRtf(QByteArrayView rtf, QTextDocument& document) {
    if (!withoutLeadingSpace(rtf).startsWith("{\\rtf")) {
        QString text = fromCp1252(rtf);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        document.setPlainText(text);
        return;
    }
    RtfBuilder(withoutLeadingSpace(rtf), document).run();
}

void loadRtfFile(const QString& fileName, QTextDocument& document) {
    const std::optional<QByteArray> data = readFileBytes(fileName);
    if (!data) {
        throw QuipError::format(Messages::kCannotOpenFile, fileName);
    }
    readRtf(*data, document);
}
