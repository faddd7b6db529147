#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// A private profile (INI) file: "[Section]" lines followed by key=value lines, all cp1252
// bytes. Section and key names match without regard to ASCII case; blanks around names and
// values are not part of them. Opening reads the file once; every write replaces the whole
// file atomically at once, so "open, write several keys, release" leaves a complete file
// after each key. Lines the program does not touch (comments, other sections, unknown keys)
// are kept as they were; lines are written with CR LF.
class ProfileFile {
public:
    // Reads the file; a missing file reads as empty and is created by the first write.
    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }
    // The file exists but could not be read: it reads as empty and is never written.
    bool unreadable() const { return unreadable_; }

    // Whether the section holds the key, whatever its value.
    bool contains(QByteArrayView section, QByteArrayView key) const;
    // The value (at most 2047 bytes), or the default when the section or key is missing.
    QByteArray readString(QByteArrayView section, QByteArrayView key,
                          const QByteArray& defaultValue = {}) const;
    // A whole number: a missing or empty key reads as empty text and so raises the
    // conversion error, as does any text that is not a whole number.
    int readWholeNumber(QByteArrayView section, QByteArrayView key) const;
    // A boolean: non-zero is true; a missing key or other text gives the default.
    bool readBool(QByteArrayView section, QByteArrayView key, bool defaultValue) const;

    // Sets the key (adding it, and its section, when missing) and replaces the file. A
    // failure raises QuipError "nach <path> kann nicht geschrieben werden" and leaves both
    // the file and this object as they were. Line breaks in the value are written as
    // blanks, so a value can never add lines of its own.
    void writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void writeWholeNumber(QByteArrayView section, QByteArrayView key, int value);
    void writeBool(QByteArrayView section, QByteArrayView key, bool value);

    static constexpr qsizetype kMaxValueLength = 2047;

private:
    struct Line {
        enum Kind { Other, Section, Key };
        QByteArray text;
        Kind kind = Other;
        // Where the section's or key's name and the key's value lie in text.
        qsizetype nameStart = 0, nameLength = 0, valueStart = 0, valueLength = 0;

        QByteArrayView name() const { return QByteArrayView(text).sliced(nameStart, nameLength); }
        QByteArrayView value() const {
            return QByteArrayView(text).sliced(valueStart, valueLength);
        }
    };

    // Index of the section's header line, or -1.
    qsizetype findSection(QByteArrayView section) const;
    // Index of the key's line inside the section that starts at header, or -1.
    qsizetype findKey(qsizetype header, QByteArrayView key) const;
    // Index after the last non-blank line of the section that starts at header.
    qsizetype sectionEnd(qsizetype header) const;
    void save(const std::vector<Line>& lines) const;

    static Line parseLine(QByteArray text);

    QString path_;
    std::vector<Line> lines_;
    // The file exists but could not be read: never replace it with what little we know.
    bool unreadable_ = false;
};
