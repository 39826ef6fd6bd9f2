// SPDX-License-Identifier: GPL-3.0-or-later
// The settings through the real file. Norv starts with what it can read
// (English and no overhead where it reads nothing), even from a file it
// cannot use as it is (unreadable, unwritable, a folder or a pipe in its
// place, or garbage), shows no message, keeps the user's choices for the run
// and, where it can write, for the next run, and leaves every other value alone.
#include "widget_harness.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace norv::test {
namespace {

// What the running program shows of the two settings, and no message.
void expectSettings(bool italian, bool overhead)
{
    EXPECT_EQ(UiNorv::widget<QLabel>("Norv_main", "Label1")->text(), italian ? "Spazio su disco" : "Diskspace");
    EXPECT_EQ(UiNorv::widget<QComboBox>("Norv_main", "containerselector")->isEnabled(), overhead);
    EXPECT_EQ(shownError(), "");
}

// What a path holds: a file's bytes, or what else is there.
QByteArray contentOf(const QString& path)
{
    QFile file(path); // a pipe is never opened: that would wait for a writer
    const QByteArray kind = QFileInfo(path).isDir() ? "dir" : "other";
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : kind;
}

enum class Wrong { NoFileYet, Unreadable, ReadOnly, FolderAsFile, PipeAsFile, Garbled };

struct FileCase {
    const char* name;
    Wrong wrong;
    QByteArray options; // the file's text after another group that must survive; "" for no file
    bool italian;       // what Norv reads where it can read the file
    bool overhead;
};

class SettingsFileUi : public ::testing::TestWithParam<FileCase> {};

TEST_P(SettingsFileUi, StartsWithWhatItReadsAndKeepsTheChoices)
{
    const FileCase& f = GetParam();
    QTemporaryDir settings;
    const QString path = settings.path() + "/Norv/Norv.conf";
    ASSERT_TRUE(QDir().mkpath(f.wrong == Wrong::FolderAsFile ? path : QFileInfo(path).path()));
    // A pipe where the file belongs: opening it would wait for a writer.
    ASSERT_TRUE(f.wrong != Wrong::PipeAsFile || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    QFile file(path);
    ASSERT_TRUE(f.options.isEmpty() ||
                (file.open(QIODevice::WriteOnly) && file.write("[Other]\nkeep=yes\n" + f.options) > 0));
    file.close();
    const QByteArray before = contentOf(path);
    // Writable by nobody; unreadable too where the case says.
    if (f.wrong == Wrong::Unreadable || f.wrong == Wrong::ReadOnly)
        file.setPermissions(f.wrong == Wrong::Unreadable ? QFileDevice::Permissions() : QFileDevice::ReadOwner);
    // Root reads and writes through any mode: then the file works as ever.
    const bool readable = f.wrong != Wrong::Unreadable || file.open(QIODevice::ReadOnly);
    const bool writable = f.wrong == Wrong::NoFileYet || (!f.options.isEmpty() && QFileInfo(path).isWritable());
    {
        // State: what could be read applies.
        UiNorv norv(settings.path());
        expectSettings(f.italian && readable, f.overhead && readable);

        // Action: the user switches language and overhead in the Options
        // window, closes it with the frame and opens it again.
        platformClick(button("Norv_main", "Option"));
        platformClick(UiNorv::widget<QRadioButton>("Norv_option", f.italian ? "lingua(1)" : "lingua(0)"));
        platformClick(UiNorv::widget<QCheckBox>("Norv_option", "overhead"));
        UiNorv::window("Norv_option")->close();
        platformClick(button("Norv_main", "Option"));
        // Expected: the rest of the run shows them, the new window reads them back.
        expectSettings(!f.italian, !f.overhead);
        EXPECT_EQ(UiNorv::widget<QCheckBox>("Norv_option", "overhead")->isChecked(), !f.overhead);
        UiNorv::window("Norv_main")->close();
        QTest::qWait(0);
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!writable) {
        EXPECT_EQ(contentOf(path), before);
        return;
    }
    // Expected: the file holds the choices beside the rest, and the next run
    // starts with them.
    const QByteArray written = contentOf(path);
    EXPECT_TRUE(written.contains(f.italian ? "Language=English" : "Language=Italiano") &&
                written.contains(f.overhead ? "Overhead=0" : "Overhead=1")) << written.toStdString();
    EXPECT_EQ(written.contains("keep=yes"), !f.options.isEmpty());
    UiNorv next(settings.path());
    expectSettings(!f.italian, !f.overhead);
}

const QByteArray kStored = "[Options]\nLanguage=Italiano\nOverhead=0\n";

const FileCase kFiles[] = {
    {"NoFileYet", Wrong::NoFileYet, {}, false, false}, {"Unreadable", Wrong::Unreadable, kStored, true, false},
    {"ReadOnly", Wrong::ReadOnly, kStored, true, false}, {"PipeInPlaceOfTheFile", Wrong::PipeAsFile, {}, false, false},
    {"FolderInPlaceOfTheFile", Wrong::FolderAsFile, {}, false, false},
    {"RandomBytes", Wrong::Garbled, QCryptographicHash::hash("noise", QCryptographicHash::Sha512).repeated(64),
     false, false},
    {"BrokenLinesAround", Wrong::Garbled,
     "no equals sign\n=\n[[[\n[Options]\nLanguage=Italiano\nOverhead=1\n]]]\n=orphan\n", true, true},
    {"SerialisedValues", Wrong::Garbled,
     "[Options]\nLanguage=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5junk)\nOverhead=@Rect(1 1 1 1)\n", false, false},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsFileUi, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace norv::test
