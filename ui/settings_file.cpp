// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>

namespace norv::ui {

namespace {

using namespace std::chrono_literals;

constexpr off_t kLargest = 1 << 20; // settings take a few dozen bytes
// Another Norv holds the lock for a few milliseconds. A lock left behind by a
// crash carries no native lock, so Qt takes it over once it is older than
// kStaleLock; a running holder's native lock keeps its lock its own.
constexpr auto kLockWait = 500ms;
constexpr auto kStaleLock = 100ms;

// What stands at the settings file's place, and the regular file Norv may use.
struct Target {
    enum State { Absent, Usable, Unusable } state;
    QByteArray path; // links resolved
    struct stat info {};
};

Target examine(const QByteArray& path)
{
    struct stat info {};
    if (lstat(path.constData(), &info) != 0)
        return {errno == ENOENT ? Target::Absent : Target::Unusable, path};
    QByteArray real = path;
    if (S_ISLNK(info.st_mode)) {
        // Someone else's file behind a link is not Norv's to read or replace,
        // and a dangling link is no place to create one.
        const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.constData(), nullptr), &std::free);
        if (!resolved || lstat(resolved.get(), &info) != 0 || info.st_uid != geteuid())
            return {Target::Unusable, path};
        real = resolved.get();
    }
    // A pipe or a device would block the reader; a huge file would stall it.
    if (!S_ISREG(info.st_mode) || info.st_size > kLargest)
        return {Target::Unusable, path};
    return {Target::Usable, real, info};
}

// The whole text of a usable file; nothing when it cannot be read as such.
std::optional<std::string> readAll(const Target& target)
{
    // Neither following a link nor waiting on a pipe put there since the look.
    const int fd = open(target.path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    std::optional<std::string> text;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kLargest) {
        // One byte more than its size shows a file that grew meanwhile.
        std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
        std::size_t size = 0;
        ssize_t got = 0;
        while (size < bytes.size() && (got = read(fd, bytes.data() + size, bytes.size() - size)) > 0)
            size += static_cast<std::size_t>(got);
        if (got >= 0 && size < bytes.size())
            text = bytes.substr(0, size);
    }
    close(fd);
    return text;
}

// Creates the missing folders down to folder, each 0700.
bool makeFolders(const QByteArray& folder)
{
    for (qsizetype slash = 0; slash != -1;) {
        slash = folder.indexOf('/', slash + 1);
        const QByteArray part = slash == -1 ? folder : folder.left(slash);
        if (mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

// A lock path Qt's lock can wait on: absent, or a small regular file. It
// would wait for good on a folder, a pipe or a dangling link.
bool lockable(const QByteArray& path)
{
    struct stat info {};
    if (lstat(path.constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && info.st_size <= 4096;
}

} // namespace

QString settingsFilePath(const QString& app, const QByteArray& xdgConfigHome, const QByteArray& home)
{
    QString base = QFile::decodeName(xdgConfigHome);
    if (!base.startsWith('/')) {
        // A relative folder would depend on where Norv was started.
        const QString homeFolder = QFile::decodeName(home);
        if (!homeFolder.startsWith('/') || !QFileInfo(homeFolder).isDir())
            return {};
        base = homeFolder + QStringLiteral("/.config");
    }
    return base + '/' + app + '/' + app + QStringLiteral(".conf");
}

bool SettingsFile::Identity::operator==(const Identity& o) const
{
    return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec;
}

SettingsFile::SettingsFile(const QString& path) : m_path(QFile::encodeName(path)) {}

const std::string& SettingsFile::text()
{
    const Target target = m_path.isEmpty() ? Target{Target::Absent, {}} : examine(m_path);
    const Identity now{target.info.st_dev, target.info.st_ino, target.info.st_size, target.info.st_mtim,
                       target.info.st_ctim};
    if (target.state == Target::Usable && now == m_read)
        return m_text;
    const std::optional<std::string> text = target.state == Target::Usable ? readAll(target) : std::nullopt;
    m_text = text.value_or(std::string());
    m_read = text ? now : Identity{};
    return m_text;
}

bool SettingsFile::rewrite(const std::function<std::string(const std::string&)>& edit)
{
    if (m_path.isEmpty() || m_lockLost || !makeFolders(m_path.left(m_path.lastIndexOf('/'))))
        return false;
    const QByteArray lockPath = m_path + ".lock";
    QLockFile lock(QFile::decodeName(lockPath));
    lock.setStaleLockTime(kStaleLock);
    // Qt reads the lock file, and the one it takes to remove a stale lock.
    if (!lockable(lockPath) || !lockable(lockPath + ".rmlock") || !lock.tryLock(kLockWait)) {
        m_lockLost = true;
        return false;
    }
    const Target target = examine(m_path);
    std::optional<std::string> current;
    if (target.state != Target::Unusable)
        current = target.state == Target::Absent ? std::string() : readAll(target);
    if (!current)
        return false; // what cannot be read is not replaced
    const std::string next = edit(*current);
    if (next == *current)
        return true;
    // Unbuffered, so that a failed write (a full disk) is seen before commit.
    QSaveFile file(QFile::decodeName(target.path));
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(next.data(), static_cast<qint64>(next.size())) == static_cast<qint64>(next.size()) &&
           file.commit();
}

} // namespace norv::ui
