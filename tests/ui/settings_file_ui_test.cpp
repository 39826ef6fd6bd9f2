// SPDX-License-Identifier: GPL-3.0-or-later
// The settings through the real file. Norv starts with what it can read
// (English and no overhead where it reads nothing), even from a file it
// cannot or must not use as it is (unreadable, unwritable, a folder or a pipe
// in its place, a deeply nested serialised object, a link to a file that is not the
// user's, a huge file, a lock that cannot be had, a full disk), never hangs,
// shows no message, keeps the user's choices for the run and, where it can
// write, for the next run. The file is replaced whole or not at all, and
// whatever else it holds stays as it was. (How the text
// reads and is rewritten, garbage and all: common/settings_text_test.cpp.)
#include "widget_harness.h"

#include "ui/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>


namespace norv::test {
namespace {

// What the running program shows of the two settings, and no message.
void expectSettings(bool italian, bool overhead)
{
    EXPECT_EQ(UiNorv::widget<QLabel>("Norv_main", "Label1")->text(), italian ? "Spazio su disco" : "Diskspace");
    EXPECT_EQ(UiNorv::widget<QComboBox>("Norv_main", "containerselector")->isEnabled(), overhead);
    EXPECT_EQ(shownError(), "");
}

// What stands at a path, to tell whether Norv changed it: a link and what it
// leads to, a folder and all in it, a file's bytes (the size and time of a
// huge one), or a pipe.
QByteArray state(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return "link to " + QFile::encodeName(info.symLinkTarget()) + " (" + state(info.symLinkTarget()) + ")";
    if (info.isDir()) {
        QByteArray folder = "folder {";
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        for (const QString& name : QDir(path).entryList(all))
            folder += name.toUtf8() + ": " + state(path + '/' + name) + "; ";
        return folder + '}';
    }
    if (!info.isFile())
        return info.exists() ? "pipe" : "nothing";
    if (info.size() > 1 << 20)
        return QByteArray::number(info.size()) + " bytes, " + info.lastModified().toString(Qt::ISODateWithMs).toUtf8();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
}

int mode(const QString& path)
{
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? static_cast<int>(info.st_mode & 07777) : -1;
}

enum class Plant {
    Nothing, Unreadable, ReadOnly, FolderAsFile, PipeAsFile, LockFolder, LockPipe, LockDanglingLink, LockLeftEmpty,
    LinkToOwnFile, LinkToOthersFile, DanglingLink, Huge, FullDisk, NoHomeRelativeConfig
};

struct FileCase {
    const char* name;
    Plant plant;
    QByteArray options; // the file's text after another section that must survive; "" for no file
    bool italian;       // what Norv reads where it can read the file
    bool overhead;
    bool written;          // whether the choices reach the file (where its mode lets them)
    QByteArray after = {}; // the file's whole text afterwards, where that is known
};

void PrintTo(const FileCase& f, std::ostream* out) { *out << f.name; }

// Puts a case's file and its trouble in place; false where this machine cannot.
bool plant(const FileCase& f, const QString& dir, const QString& folder, const QString& text)
{
    const QString conf = folder + "/Norv.conf";
    if ((f.plant != Plant::Nothing && f.plant != Plant::NoHomeRelativeConfig) || !f.options.isEmpty())
        QDir().mkpath(f.plant == Plant::FolderAsFile ? conf : folder);
    QFile file(text);
    if (!f.options.isEmpty() && !(file.open(QIODevice::WriteOnly) && file.write("[Other]\nkeep=yes\n" + f.options)))
        return false;
    file.close();
    const QByteArray lock = QFile::encodeName(conf + ".lock");
    struct statvfs disk {};
    switch (f.plant) {
    case Plant::PipeAsFile: return mkfifo(QFile::encodeName(conf).constData(), 0600) == 0;
    case Plant::LockFolder: return QDir().mkdir(conf + ".lock");
    case Plant::LockPipe: return mkfifo(lock.constData(), 0600) == 0;
    case Plant::LockDanglingLink: return QFile::link(dir + "/gone", conf + ".lock");
    case Plant::LockLeftEmpty: return QFile(conf + ".lock").open(QIODevice::WriteOnly); // as a crash leaves it
    case Plant::Huge: return file.resize(100 << 20);
    case Plant::FullDisk: // room for the lock and no more
        file.setFileName(dir + "/filler");
        return statvfs(QFile::encodeName(dir).constData(), &disk) == 0 && file.open(QIODevice::WriteOnly) &&
               file.write(QByteArray(static_cast<qsizetype>(disk.f_bavail * disk.f_frsize) - 4096, 'x')) > 0;
    case Plant::LinkToOthersFile:
        if (chown(QFile::encodeName(text).constData(), 65534, 65534) != 0)
            return false;
        [[fallthrough]];
    case Plant::LinkToOwnFile:
    case Plant::DanglingLink: return QFile::link(text, conf);
    default: return true;
    }
}

// The test again, alone, in a mount namespace of its own over a small file
// system at NORV_TEST_SMALL_DISK: nothing outside the namespace sees it.
void runOnSmallDisk()
{
    QTemporaryDir mountPoint;
    QStringList args = geteuid() == 0 ? QStringList() : QStringList{"--user", "--map-root-user"};
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    args << "--mount" << "sh" << "-c" << R"(mount -t tmpfs -o size=64k norv-test "$0" && exec "$@")"
         << mountPoint.path() << QCoreApplication::applicationFilePath()
         << QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("NORV_TEST_SMALL_DISK", mountPoint.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("unshare", args);
    ASSERT_TRUE(child.waitForFinished(120000));
    const std::string output = child.readAll().toStdString();
    if (output.find("[ RUN") == std::string::npos)
        GTEST_SKIP() << "No small file system can be mounted here, so a full disk is not tried: " << output;
    EXPECT_EQ(child.exitCode(), 0) << output;
}

class SettingsFileUi : public ::testing::TestWithParam<FileCase> {};

TEST_P(SettingsFileUi, StartsWithWhatItReadsAndKeepsTheChoices)
{
    const FileCase& f = GetParam();
    const QString disk = qEnvironmentVariable("NORV_TEST_SMALL_DISK");
    if (f.plant == Plant::FullDisk && disk.isEmpty())
        return runOnSmallDisk();
    QTemporaryDir tmp;
    const QString dir = f.plant == Plant::FullDisk ? disk : tmp.path();
    const QString root = dir + "/config"; // Norv makes it, and its folder in it, for the first file
    const QString folder = root + "/Norv";
    const bool linked = f.plant == Plant::LinkToOwnFile || f.plant == Plant::LinkToOthersFile ||
                        f.plant == Plant::DanglingLink;
    const QString text = linked ? dir + "/dotfiles/norv.conf" : folder + "/Norv.conf";
    QDir().mkpath(dir + "/dotfiles");
    if (!plant(f, dir, folder, text))
        GTEST_SKIP() << "This machine cannot set up the case (a file of another owner needs root)";
    const QByteArray before = state(root);
    QFile file(text);
    if (f.plant == Plant::Unreadable || f.plant == Plant::ReadOnly)
        file.setPermissions(f.plant == Plant::Unreadable ? QFileDevice::Permissions() : QFileDevice::ReadOwner);
    // Root reads and writes through any mode: then the file works as ever.
    const bool readable = f.plant != Plant::Unreadable || file.open(QIODevice::ReadOnly);
    file.close();
    const bool written = f.written && (!file.exists() || QFileInfo(file).isWritable());
    const bool italian = f.italian && readable;
    const bool overhead = f.overhead && readable;
    // Without a home folder, a relative folder would be where Norv started.
    const QByteArray home = qgetenv("HOME");
    const QString cwd = QDir::currentPath();
    if (f.plant == Plant::NoHomeRelativeConfig) {
        qunsetenv("HOME");
        QDir::setCurrent(dir);
    }
    {
        // State: what could be read applies.
        UiNorv norv(f.plant == Plant::NoHomeRelativeConfig ? "config" : root);
        expectSettings(italian, overhead);

        // Action: the user switches language and overhead in the Options
        // window, closes it with the frame and opens it again.
        platformClick(button("Norv_main", "Option"));
        platformClick(UiNorv::widget<QRadioButton>("Norv_option", italian ? "lingua(1)" : "lingua(0)"));
        platformClick(UiNorv::widget<QCheckBox>("Norv_option", "overhead"));
        UiNorv::window("Norv_option")->close();
        platformClick(button("Norv_main", "Option"));
        // Expected: the rest of the run shows them, the new window reads them back.
        expectSettings(!italian, !overhead);
        EXPECT_TRUE(UiNorv::widget<QRadioButton>("Norv_option", italian ? "lingua(1)" : "lingua(0)")->isChecked());
        EXPECT_EQ(UiNorv::widget<QCheckBox>("Norv_option", "overhead")->isChecked(), !overhead);
        UiNorv::window("Norv_main")->close();
        QTest::qWait(0);
    }
    qputenv("HOME", home);
    QDir::setCurrent(cwd);
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!written) {
        // Expected: everything where the settings live as it was.
        EXPECT_EQ(state(root), before);
        return;
    }
    // Expected: the file holds the choices beside the rest, a link stays a
    // link, folders Norv made are the user's alone, and the next run starts
    // with the choices.
    const QByteArray after = state(text);
    EXPECT_TRUE(after.contains(f.italian ? "Language=English" : "Language=Italiano") &&
                after.contains(f.overhead ? "Overhead=0" : "Overhead=1")) << after.toStdString();
    EXPECT_EQ(after.contains("keep=yes"), !f.options.isEmpty());
    EXPECT_TRUE(f.after.isEmpty() || after == "[Other]\nkeep=yes\n" + f.after) << after.toStdString();
    EXPECT_EQ(QFileInfo(folder + "/Norv.conf").isSymLink(), linked);
    if (f.plant == Plant::Nothing && f.options.isEmpty()) {
        EXPECT_EQ(mode(root), 0700);
        EXPECT_EQ(mode(folder), 0700);
    }
    UiNorv next(root);
    expectSettings(!f.italian, !f.overhead);
}

const QByteArray kStored = "[Options]\nLanguage=Italiano\nOverhead=0\n";
// Read as on, and written "1" by the Options window's load at start-up.
const QByteArray kStartWrites = "[Options]\nLanguage=Italiano\nOverhead=1.0\n";

// A list nested 30,000 deep (type 9, one element) in another program's
// serialisation, escaped as it writes it: about 500 KB that a recursive
// decoder does not survive.
QByteArray nestedValue()
{
    return "[Options]\nLanguage=@Variant(" + QByteArray(R"(\0\0\0\t\0\0\0\x1)").repeated(30000) +
           R"(\0\0\0\0))" + "\nOverhead=1\n";
}

const FileCase kFiles[] = {
    {"NoFileYet", Plant::Nothing, {}, false, false, true},
    {"Unreadable", Plant::Unreadable, kStored, true, false, true},
    {"ReadOnly", Plant::ReadOnly, kStored, true, false, true},
    {"PipeInPlaceOfTheFile", Plant::PipeAsFile, {}, false, false, false},
    {"FolderInPlaceOfTheFile", Plant::FolderAsFile, {}, false, false, false},
    {"CommentsAndOtherBytesKept", Plant::Nothing,
     "; by hand\n[Options]\nLanguage=Italiano ; since 2019\nOverhead=0\n\n[More]\nname=\xE9t\xE9\n; end", true,
     false, true, "; by hand\n[Options]\nLanguage=English ; since 2019\nOverhead=1\n\n[More]\nname=\xE9t\xE9\n; end"},
    {"DeeplyNestedValue", Plant::Nothing, nestedValue(), false, true, true},
    {"LockIsAFolder", Plant::LockFolder, kStartWrites, true, true, false},
    {"LockIsAPipe", Plant::LockPipe, kStartWrites, true, true, false},
    {"LockIsADanglingLink", Plant::LockDanglingLink, kStartWrites, true, true, false},
    {"LockLeftEmpty", Plant::LockLeftEmpty, kStartWrites, true, true, true},
    {"LinkToOwnFile", Plant::LinkToOwnFile, kStored, true, false, true},
    {"LinkToAnotherUsersFile", Plant::LinkToOthersFile, kStored, false, false, false},
    {"DanglingLink", Plant::DanglingLink, {}, false, false, false},
    {"HugeFile", Plant::Huge, kStored, false, false, false},
    // The start saves "0" over 2, then the user's choices: none of it fits.
    {"FullDisk", Plant::FullDisk, "; by hand\n[Options]\nLanguage=Italiano\nOverhead=2\n", true, false, false},
    {"NoHomeRelativeConfig", Plant::NoHomeRelativeConfig, {}, false, false, false},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsFileUi, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFileUi, LivesInAnAbsoluteConfigFolderOrOnlyInMemory)
{
    QTemporaryDir home;
    const QByteArray h = QFile::encodeName(home.path());
    const QString inHome = home.path() + "/.config/Norv/Norv.conf";
    // XDG_CONFIG_HOME, HOME, the file
    const std::tuple<QByteArray, QByteArray, QString> rows[] = {
        {"/cfg", h, "/cfg/Norv/Norv.conf"}, {"", h, inHome}, {"../../../../etc", h, inHome},
        {"", "", ""}, {"rel", "", ""}, {"", "relative/home", ""}, {"", h + "/missing", ""}};
    for (const auto& [xdg, homeVar, path] : rows)
        EXPECT_EQ(ui::settingsFilePath("Norv", xdg, homeVar), path) << xdg.constData() << ", " << homeVar.constData();
}

} // namespace
} // namespace norv::test
