#include "support/grid/GridTextSupport.h"

#include "grid/text/GridTextFile.h"
#include "runtime/FileBytes.h"
#include "runtime/QuipError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Lets no file grow beyond a few bytes while it lives, which stops even root's writes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};

// Acts as an ordinary user while it lives: root may write anywhere.
class Unprivileged {
public:
    Unprivileged() : root_(geteuid() == 0) {
        if (root_ && seteuid(nobody) != 0) {
            ADD_FAILURE() << "cannot act as an ordinary user";
        }
    }
    ~Unprivileged() {
        if (root_ && seteuid(0) != 0) {
            std::abort();
        }
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    static constexpr uid_t nobody = 65534;
    bool root_;
};

// The error of a file that cannot be opened or created, as the user reads it.
auto failsWith(const char* cannot, const QString& name) {
    return ::testing::ThrowsMessage<QuipError>(
        ::testing::StrEq(QStringLiteral("Datei %1 kann nicht %2")
                             .arg(name, QString::fromUtf8(cannot))
                             .toStdString()));
}
auto cannotOpen(const QString& name) {
    return failsWith("geöffnet werden", name);
}
auto cannotCreate(const QString& name) {
    return failsWith("erstellt werden", name);
}

class GridTextFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("Gitter_1.txt")) const {
        return dir_.filePath(name);
    }
    void store(const QByteArray& bytes) const { ASSERT_TRUE(replaceFileBytes(path(), bytes)); }
    QByteArray stored() const { return readFileBytes(path()).value_or("(missing)"); }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(GridTextFileTest, TheWorkedExampleInBothDirections) {
    const auto grid = gridOf(1, 2, {"Hallo", "Na\r\nja"});
    SaveToFile(*grid, path());
    EXPECT_EQ(stored().toHex(' '), "48 61 6c 6c 6f 09 0d 0a 4e 61 0d 0a 6a 61 09 0d 0a");

    LoadFromFile(*grid, path());
    EXPECT_EQ(dump(*grid), "Hallo|\nNa|\nja|\n");
}

TEST_F(GridTextFileTest, HundredEmptyRowsAndFixedCellsLoadedFromTheTopLeft) {
    SaveToFile(*gridOf(1, 100), path());
    EXPECT_EQ(stored(), QByteArray("\t\r\n").repeated(100));
    const auto small = gridOf(1, 3, {"a", "b", "c"});
    LoadFromFile(*small, path());
    EXPECT_EQ(dump(*small), QByteArray("|\n").repeated(100));

    store("Titel\tSpalte\r\nx\ty\r\n");
    const auto grid = gridOf(2, 3, {"K|L", "1|2", "3|4"}, 1, 1);
    LoadFromFile(*grid, path());
    EXPECT_EQ(dump(*grid), "Titel|Spalte|\nx|y|\n3|4|\n");
}

TEST_F(GridTextFileTest, WhatCannotBeOpenedOrCreatedFailsByNameAndChangesNothing) {
    const auto grid = gridOf(2, 2, {"a|b", "c|d"});
    EXPECT_THAT([&] { LoadFromFile(*grid, path()); }, cannotOpen(path()));
    const QString missing = dir_.filePath(QStringLiteral("fehlt/Gitter_1.txt"));
    EXPECT_THAT([&] { SaveToFile(*grid, missing); }, cannotCreate(missing));
    // The name as passed, not a resolved path.
    EXPECT_THAT([&] { LoadFromFile(*grid, QStringLiteral("fehlt/Gitter_9.txt")); },
                cannotOpen(QStringLiteral("fehlt/Gitter_9.txt")));

    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Gitter_1.txt")));
    EXPECT_THAT([&] { LoadFromFile(*grid, path()); }, cannotOpen(path()));
    EXPECT_THAT([&] { SaveToFile(*grid, path()); }, cannotCreate(path()));
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Gitter_1.txt")});
    EXPECT_EQ(dump(*grid), "a|b|\nc|d|\n");
}

TEST_F(GridTextFileTest, SavingReplacesTheWholeFileOrOnFailureKeepsTheOldOne) {
    store(QByteArray(1000, 'x'));
    SaveToFile(*gridOf(1, 1, {"kurz"}), path());
    const QByteArray saved("kurz\t\r\n");
    EXPECT_EQ(stored(), saved);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Gitter_1.txt")});

    // Writing stops halfway.
    const FileSizeLimit limit(saved.size());
    const auto longer = gridOf(1, 1, {"ein neuer Text, der nicht mehr ganz hineinpasst"});
    EXPECT_THAT([&] { SaveToFile(*longer, path()); }, cannotCreate(path()));
    EXPECT_EQ(stored(), saved);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Gitter_1.txt")});
}

// Writing the file in place would empty it first: a folder that takes no new files gets no
// save at all, and the file keeps its bytes.
TEST_F(GridTextFileTest, AWritableFileInAFolderThatTakesNoNewFilesIsLeftAsItWas) {
    store("alt\t\r\n");
    const QByteArray folder = QFile::encodeName(dir_.path());
    ASSERT_EQ(chmod(QFile::encodeName(path()).constData(), 0666), 0);
    ASSERT_EQ(chmod(folder.constData(), 0555), 0);
    const auto grid = gridOf(1, 1, {"neu"});
    const QString other = path(QStringLiteral("Gitter_2.txt"));
    {
        const Unprivileged user;
        EXPECT_THAT([&] { SaveToFile(*grid, path()); }, cannotCreate(path()));
        EXPECT_THAT([&] { SaveToFile(*grid, other); }, cannotCreate(other));
    }
    chmod(folder.constData(), 0700);
    EXPECT_EQ(stored(), QByteArray("alt\t\r\n"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Gitter_1.txt")});
}

TEST_F(GridTextFileTest, LoadingTellsWhetherANulEndedTheText) {
    const auto grid = gridOf(1, 1, {""});
    store(QByteArray("eins\t\r\nzwei\0drei\t\r\n", 19));
    EXPECT_EQ(LoadFromFile(*grid, path()), FileLoad::UpToNul);
    EXPECT_EQ(dump(*grid), "eins|\nzwei|\n");
    store("eins\t\r\n");
    EXPECT_EQ(LoadFromFile(*grid, path()), FileLoad::Whole);
}

// A file of few texts that gives a wide and long grid is saved cell by cell, each empty
// cell as its separator, exactly as any other grid.
TEST_F(GridTextFileTest, AGridOfManyEmptyCellsIsSavedCellByCell) {
    store("x\r\nx\r\nx\r\nx\tx\t\tx\r\n");
    const auto grid = gridOf(1, 1, {""});
    EXPECT_EQ(LoadFromFile(*grid, path()), FileLoad::Whole);
    SaveToFile(*grid, path());
    EXPECT_EQ(stored(), QByteArray("x\t\t\t\t\r\nx\t\t\t\t\r\nx\t\t\t\t\r\nx\tx\t\tx\t\r\n"));
}
