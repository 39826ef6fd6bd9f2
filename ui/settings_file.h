// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

#include <functional>
#include <string>

namespace norv::ui {

// Where the settings of app live: $XDG_CONFIG_HOME/<app>/<app>.conf where
// that variable holds an absolute path, else <home>/.config/<app>/<app>.conf;
// empty, so kept in memory only, without an absolute home that is a folder.
QString settingsFilePath(const QString& app, const QByteArray& xdgConfigHome, const QByteArray& home);

// One settings file on disk, used only where that is safe. A link is
// followed only to a regular file of the user running Norv. Anything else in
// its place (a folder, a pipe, another user's file behind a link, a dangling
// link, a file far larger than settings ever are) is neither read nor
// written. A rewrite replaces the whole file at once under a lock that is
// waited for briefly: when it fails, the file stays exactly as it was. Once
// the lock cannot be had, later rewrites do not try again, so that the user
// never waits twice.
class SettingsFile {
public:
    explicit SettingsFile(const QString& path);

    // The file's text as it is now; empty when absent or unusable.
    const std::string& text();
    // Replaces the file's text with edit(its current text); false when the
    // file could not be written (then it is untouched).
    bool rewrite(const std::function<std::string(const std::string&)>& edit);

private:
    // The file as read last, so that an unchanged file is not read again.
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = -1;
        timespec modified{};
        timespec changed{};
        bool operator==(const Identity&) const;
    };

    QByteArray m_path; // empty where there is no place for settings
    std::string m_text;
    Identity m_read;
    bool m_lockLost = false;
};

} // namespace norv::ui
