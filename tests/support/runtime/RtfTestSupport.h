#pragma once

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <vector>

// The text of a document as runs of one format each, in order.
struct TextRun {
    QString text;
    QTextCharFormat format;
    QTextBlock block;
};

inline std::vector<TextRun> textRuns(const QTextDocument& document) {
    std::vector<TextRun> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            runs.push_back({it.fragment().text(), it.fragment().charFormat(), block});
        }
    }
    return runs;
}

// The first run whose text contains the given text; a run with empty text when there is none.
inline TextRun runWith(const QTextDocument& document, const QString& text) {
    for (const TextRun& run : textRuns(document)) {
        if (run.text.contains(text)) {
            return run;
        }
    }
    return {};
}

inline std::vector<QString> blockTexts(const QTextDocument& document) {
    std::vector<QString> texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        texts.push_back(block.text());
    }
    return texts;
}
