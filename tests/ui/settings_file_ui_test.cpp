// SPDX-License-Identifier: GPL-3.0-or-later
// The settings through the real file. Norv starts with what it can read
// (English and no overhead where it reads nothing), even from a file it
// cannot use as it is (unreadable, unwritable, in the way of a folder, or
// garbage), shows no message, keeps the user's choices for the run and, where
// it can write, for the next run, and leaves every other value alone.
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
    EXPECT_EQ(shownError(), QString());
}

QCheckBox* overheadBox() { return UiNorv::widget<QCheckBox>("Norv_option", "overhead"); }
QRadioButton* italianButton() { return UiNorv::widget<QRadioButton>("Norv_option", "lingua(0)"); }

// The user sets both in the Options window and closes it with the frame; a
// new Options window reads the store again.
void chooseInOptions(bool italian, bool overhead)
{
    platformClick(button("Norv_main", "Option"));
    platformClick(UiNorv::widget<QRadioButton>("Norv_option", italian ? "lingua(0)" : "lingua(1)"));
    if (overheadBox()->isChecked() != overhead)
        platformClick(overheadBox());
    UiNorv::window("Norv_option")->close();
    QTest::qWait(0);
    expectSettings(italian, overhead);
    platformClick(button("Norv_main", "Option"));
    EXPECT_EQ(italianButton()->isChecked(), italian);
    EXPECT_EQ(overheadBox()->isChecked(), overhead);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A value as another reader of the file sees it: this process's QSettings
// also remembers what it could not write, so a copy is read elsewhere.
QString valueInFile(const QString& path, const char* key)
{
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.path() + "/copy.conf";
    if (!QFile::copy(path, copy))
        return QStringLiteral("<no copy>");
    return QSettings(copy, QSettings::IniFormat).value(key).toString();
}

// Bytes that look random, the same every run.
QByteArray noise()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < 4096; ++i)
        bytes += QCryptographicHash::hash(QByteArray::number(i), QCryptographicHash::Sha256);
    return bytes;
}

enum class Wrong { NoFileYet, Unreadable, ReadOnlyFile, ReadOnlyFolder, FolderAsFile, FileAsFolder, PipeAsFile,
                   Garbled };

struct FileCase {
    const char* name;
    Wrong wrong;
    QByteArray options; // written after another group that must survive
    bool italian;       // what Norv reads where it can read the file
    bool overhead;
};

class SettingsFileUi : public ::testing::TestWithParam<FileCase> {};

TEST_P(SettingsFileUi, StartsWithWhatItReadsAndKeepsTheChoices)
{
    using P = QFileDevice::Permission;
    const FileCase& f = GetParam();
    SettingsDir settings;
    const QString path = settings.path() + "/Norv/Norv.conf";
    const QString folder = QFileInfo(path).path();
    const QByteArray content = "[Other]\nkeep=yes\n" + f.options;
    QString locked; // a path whose mode the case restricts
    if (f.wrong == Wrong::FolderAsFile) {
        ASSERT_TRUE(QDir().mkpath(path));
    } else if (f.wrong == Wrong::FileAsFolder) {
        writeFile(folder, "not settings");
    } else if (f.wrong == Wrong::PipeAsFile) {
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); // opening it would block
    } else if (f.wrong != Wrong::NoFileYet) {
        writeFile(path, content);
        if (f.wrong != Wrong::Garbled)
            locked = f.wrong == Wrong::ReadOnlyFolder ? folder : path;
    }
    const QFileDevice::Permissions original = QFile::permissions(locked);
    if (!locked.isEmpty()) // writable by nobody; unreadable too where the case says
        QFile::setPermissions(locked,
                              f.wrong == Wrong::Unreadable ? QFileDevice::Permissions() : P::ReadOwner | P::ExeOwner);
    // Root reads and writes through any mode: then the file works as ever.
    const bool readable = f.wrong != Wrong::Unreadable || QFile(path).open(QIODevice::ReadOnly);
    const bool writable = f.wrong == Wrong::Garbled || f.wrong == Wrong::NoFileYet ||
                          (!locked.isEmpty() && QFileInfo(locked).isWritable());
    {
        // State: what could be read applies.
        UiNorv norv(settings);
        expectSettings(f.italian && readable, f.overhead && readable);

        // Action: the user chooses the other language and overhead, then
        // closes Norv. Expected: the rest of the run reads them back.
        chooseInOptions(!f.italian, !f.overhead);
        UiNorv::window("Norv_main")->close();
        QTest::qWait(0);
        EXPECT_EQ(UiNorv::window("Norv_main"), nullptr);
    }
    if (!locked.isEmpty())
        QFile::setPermissions(locked, original);
    if (writable) {
        // Expected: the file holds the choices beside the rest, and the next
        // run starts with them.
        EXPECT_EQ(valueInFile(path, "Options/Language"), f.italian ? "English" : "Italiano");
        EXPECT_EQ(valueInFile(path, "Options/Overhead"), f.overhead ? "0" : "1");
        if (f.wrong != Wrong::NoFileYet) {
            EXPECT_EQ(valueInFile(path, "Other/keep"), "yes");
        }
        UiNorv next(settings);
        expectSettings(!f.italian, !f.overhead);
    } else if (!locked.isEmpty()) {
        EXPECT_EQ(bytesOf(path), content);
    } else if (f.wrong == Wrong::FolderAsFile) {
        EXPECT_TRUE(QFileInfo(path).isDir() && QDir(path).isEmpty());
    } else if (f.wrong == Wrong::FileAsFolder) {
        EXPECT_EQ(bytesOf(folder), "not settings");
    } else { // still the pipe
        EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile() && !QFileInfo(path).isDir());
    }
}

const QByteArray kStored = "[Options]\nLanguage=Italiano\nOverhead=0\n";

const FileCase kFiles[] = {
    {"NoFileYet", Wrong::NoFileYet, {}, false, false},
    {"Unreadable", Wrong::Unreadable, kStored, true, false},
    {"ReadOnlyFile", Wrong::ReadOnlyFile, kStored, true, false},
    {"ReadOnlyFolder", Wrong::ReadOnlyFolder, kStored, true, false},
    {"FolderInPlaceOfTheFile", Wrong::FolderAsFile, {}, false, false},
    {"FileInPlaceOfTheFolder", Wrong::FileAsFolder, {}, false, false},
    {"PipeInPlaceOfTheFile", Wrong::PipeAsFile, {}, false, false},
    {"RandomBytes", Wrong::Garbled, noise(), false, false},
    {"CutInAValue", Wrong::Garbled, "[Options]\nOverhead=1\nLanguage=Ital", false, true},
    {"NulInsideTheValues", Wrong::Garbled, QByteArrayLiteral("[Options]\nLanguage=Itali\0ano\nOverhead=\0" "1\n"),
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
