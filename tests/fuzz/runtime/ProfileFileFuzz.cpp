// The input up to its first NUL is a settings file, the rest a value to store. Writing the
// value must read back as written (trimmed, line breaks as blanks, at most 2047 bytes) and
// must leave every other key as it was.
#include "runtime/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray expectedValue(QByteArray value) {
    value.replace('\r', ' ').replace('\n', ' ');
    qsizetype start = 0;
    qsizetype end = value.size();
    while (start < end && (value[start] == ' ' || value[start] == '\t')) {
        ++start;
    }
    while (end > start && (value[end - 1] == ' ' || value[end - 1] == '\t')) {
        --end;
    }
    return value.sliced(start, end - start).left(ProfileFile::kMaxValueLength);
}

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path =
        QDir::tempPath() + QStringLiteral("/quip-profile-fuzz-%1.INI").arg(getpid());
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = input.indexOf('\0');
    const QByteArray content = nul < 0 ? input : input.left(nul);
    const QByteArray value = nul < 0 ? QByteArray() : input.mid(nul + 1);
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    ProfileFile ini(path);
    const char* others[][2] = {{"Options", "ZielFenster"},
                               {"Options", "PosTop"},
                               {"Andere", "FontSize"},
                               {"options", "fontsize2"}};
    QByteArray before[4];
    for (int i = 0; i < 4; ++i) {
        before[i] = ini.readString(others[i][0], others[i][1], "<none>");
    }
    ini.writeString("Options", "FontSize", value);

    const ProfileFile reread(path);
    check(ini.readString("options", "FONTSIZE") == expectedValue(value));
    check(reread.readString("Options", "FontSize") == expectedValue(value));
    for (int i = 0; i < 4; ++i) {
        check(reread.readString(others[i][0], others[i][1], "<none>") == before[i]);
    }
    QFile::remove(path);
    return 0;
}
