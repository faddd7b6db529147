#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/mount.h>

// A small tmpfs of the test's own on an empty folder, for what a full disk or a folder that
// takes no new files does to saving: options such as "size=64k" or "nr_inodes=10" (every
// file and the root folder take one inode). Mounting needs root with CAP_SYS_ADMIN; where
// that is missing, mounted() is false and whyNot() says why, and the test skips itself.
class ScratchTmpfs {
public:
    ScratchTmpfs(QString folder, const QByteArray& options) : folder_(std::move(folder)) {
        if (!QDir().mkpath(folder_)) {
            whyNot_ = QStringLiteral("cannot make ") + folder_;
            return;
        }
        const QByteArray target = QFile::encodeName(folder_);
        if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
            whyNot_ = QStringLiteral("cannot mount a tmpfs (needs root with CAP_SYS_ADMIN): ") +
                      QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        mounted_ = true;
    }
    ~ScratchTmpfs() {
        if (mounted_) {
            // Lazily: a test's current directory may still lie on it.
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
        }
    }
    ScratchTmpfs(const ScratchTmpfs&) = delete;
    ScratchTmpfs& operator=(const ScratchTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    const QString& whyNot() const { return whyNot_; }
    const QString& folder() const { return folder_; }

    // Writes a file of zeros until nothing more fits.
    void fillUp(const QString& name) const {
        QFile filler(QDir(folder_).filePath(name));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return;
        }
        const QByteArray block(4096, '\0');
        while (filler.write(block) == block.size()) {
        }
        // The last partial block, byte by byte.
        while (filler.write(block.constData(), 1) == 1) {
        }
    }

private:
    QString folder_;
    QString whyNot_;
    bool mounted_ = false;
};
