#include "runtime/ProfileFile.h"

#include "runtime/FileBytes.h"
#include "runtime/Messages.h"
#include "runtime/QuipError.h"
#include "runtime/WholeNumber.h"

#include <QFile>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// [start, end) of text without the blanks on either side.
void trim(QByteArrayView text, qsizetype& start, qsizetype& end) {
    while (start < end && isBlank(text[start])) {
        ++start;
    }
    while (end > start && isBlank(text[end - 1])) {
        --end;
    }
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray utf8Bom() {
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {
    if (!QFile::exists(path_)) {
        return;
    }
    const std::optional<QByteArray> read = readFileBytes(path_);
    if (!read) {
        unreadable_ = true;
        return;
    }
    const QByteArray& data = *read;

    // CR LF, LF and a lone CR all end a line; a last line without an end is still one.
    qsizetype start = 0;
    const qsizetype n = data.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && data[end] != '\r' && data[end] != '\n') {
            ++end;
        }
        lines_.push_back(parseLine(data.sliced(start, end - start)));
        if (end < n && data[end] == '\r' && end + 1 < n && data[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
}

ProfileFile::Line ProfileFile::parseLine(QByteArray text) {
    Line line;
    line.text = std::move(text);
    const QByteArrayView view(line.text);
    qsizetype start = view.startsWith(utf8Bom()) ? utf8Bom().size() : 0;
    qsizetype end = view.size();
    trim(view, start, end);
    if (start == end || view[start] == ';') {
        return line;
    }
    if (view[start] == '[') {
        qsizetype nameStart = start + 1;
        qsizetype nameEnd = view.indexOf(']', nameStart);
        if (nameEnd < 0) {
            nameEnd = end;
        }
        trim(view, nameStart, nameEnd);
        line.kind = Line::Section;
        line.nameStart = nameStart;
        line.nameLength = nameEnd - nameStart;
        return line;
    }
    const qsizetype equals = view.indexOf('=', start);
    if (equals < 0) {
        return line;
    }
    qsizetype nameStart = start;
    qsizetype nameEnd = equals;
    trim(view, nameStart, nameEnd);
    qsizetype valueStart = equals + 1;
    qsizetype valueEnd = end;
    trim(view, valueStart, valueEnd);
    line.kind = Line::Key;
    line.nameStart = nameStart;
    line.nameLength = nameEnd - nameStart;
    line.valueStart = valueStart;
    line.valueLength = valueEnd - valueStart;
    return line;
}

qsizetype ProfileFile::findSection(QByteArrayView section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Section && sameName(lines_[i].name(), section)) {
            return static_cast<qsizetype>(i);
        }
    }
    return -1;
}

qsizetype ProfileFile::findKey(qsizetype header, QByteArrayView key) const {
    for (auto i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Section) {
            break;
        }
        if (lines_[i].kind == Line::Key && sameName(lines_[i].name(), key)) {
            return static_cast<qsizetype>(i);
        }
    }
    return -1;
}

qsizetype ProfileFile::sectionEnd(qsizetype header) const {
    auto end = static_cast<std::size_t>(header) + 1;
    for (auto i = end; i < lines_.size() && lines_[i].kind != Line::Section; ++i) {
        if (!lines_[i].text.trimmed().isEmpty()) {
            end = i + 1;
        }
    }
    return static_cast<qsizetype>(end);
}

bool ProfileFile::contains(QByteArrayView section, QByteArrayView key) const {
    const qsizetype header = findSection(section);
    return header >= 0 && findKey(header, key) >= 0;
}

QByteArray ProfileFile::readString(QByteArrayView section, QByteArrayView key,
                                   const QByteArray& defaultValue) const {
    const qsizetype header = findSection(section);
    const qsizetype at = header < 0 ? -1 : findKey(header, key);
    if (at < 0) {
        return defaultValue;
    }
    return lines_[static_cast<std::size_t>(at)]
        .value()
        .first(std::min(lines_[static_cast<std::size_t>(at)].valueLength, kMaxValueLength))
        .toByteArray();
}

int ProfileFile::readWholeNumber(QByteArrayView section, QByteArrayView key) const {
    return toWholeNumber(readString(section, key));
}

bool ProfileFile::readBool(QByteArrayView section, QByteArrayView key, bool defaultValue) const {
    return toBoolean(readString(section, key), defaultValue);
}

void ProfileFile::writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    QByteArray safeValue = value.toByteArray();
    safeValue.replace('\r', ' ').replace('\n', ' ');

    std::vector<Line> lines = lines_;
    const qsizetype header = findSection(section);
    const qsizetype at = header < 0 ? -1 : findKey(header, key);
    if (at >= 0) {
        const Line& old = lines[static_cast<std::size_t>(at)];
        lines[static_cast<std::size_t>(at)] = parseLine(old.name().toByteArray() + '=' + safeValue);
    } else {
        Line line = parseLine(key.toByteArray() + '=' + safeValue);
        if (header >= 0) {
            lines.insert(lines.begin() + sectionEnd(header), std::move(line));
        } else {
            if (!lines.empty() && !lines.back().text.trimmed().isEmpty()) {
                lines.push_back(Line{});
            }
            lines.push_back(parseLine('[' + section.toByteArray() + ']'));
            lines.push_back(std::move(line));
        }
    }
    save(lines);
    lines_ = std::move(lines);
}

void ProfileFile::writeWholeNumber(QByteArrayView section, QByteArrayView key, int value) {
    writeString(section, key, QByteArray::number(value));
}

void ProfileFile::writeBool(QByteArrayView section, QByteArrayView key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void ProfileFile::save(const std::vector<Line>& lines) const {
    const auto failed = [this] { return QuipError::format(Messages::kCannotWriteTo, path_); };
    if (unreadable_) {
        throw failed();
    }
    QByteArray data;
    for (const Line& line : lines) {
        data += line.text;
        data += "\r\n";
    }
    if (!replaceFileBytes(path_, data)) {
        throw failed();
    }
}
