// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file Norv cannot use as it is: unreadable, unwritable, in the
// way of a folder, or garbage. Norv starts with what it can read (English and
// no overhead where it reads nothing), shows no message, keeps the user's
// choices for the run, and leaves every other value in the file alone.
#include "stream_ui_actions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include <random>

#include <sys/stat.h>

namespace norv::test {
namespace {

using Mode = QFileDevice::Permissions;

const QByteArray kStored = QByteArrayLiteral("[Other]\nkeep=yes\n\n[Options]\nLanguage=Italiano\nOverhead=1\n");
const QByteArray kStoredItalianOnly = QByteArrayLiteral("[Other]\nkeep=yes\n\n[Options]\nLanguage=Italiano\nOverhead=0\n");

QString confPath(const SettingsDir& dir) { return dir.path() + QStringLiteral("/Norv/Norv.conf"); }

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
    const QString copy = elsewhere.path() + QStringLiteral("/copy.conf");
    if (!QFile::copy(path, copy))
        return QStringLiteral("<no copy>");
    return QSettings(copy, QSettings::IniFormat).value(QLatin1String(key)).toString();
}

// The mode bits alone, without what they mean for this user.
Mode modeOf(const QString& path)
{
    return QFile::permissions(path) & ~Mode(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

// Restricts a path's mode for one test and gives it back, also on failure.
class ModeGuard {
public:
    ModeGuard(QString path, Mode mode) : m_path(std::move(path)), m_original(QFile::permissions(m_path))
    {
        QFile::setPermissions(m_path, mode);
    }
    ~ModeGuard() { QFile::setPermissions(m_path, m_original); }

private:
    QString m_path;
    Mode m_original;
};

QString shownError()
{
    QWidget* window = UiNorv::window("Norv_error");
    return window && window->isVisible() ? UiNorv::widget<QLabel>("Norv_error", "errordescription")->text()
                                         : QString();
}

// What the running program shows of the two settings, and no message.
void expectSettings(bool italian, bool overhead)
{
    EXPECT_EQ(UiNorv::widget<QLabel>("Norv_main", "Label1")->text(),
              italian ? QStringLiteral("Spazio su disco") : QStringLiteral("Diskspace"));
    EXPECT_EQ(UiNorv::widget<QComboBox>("Norv_main", "containerselector")->isEnabled(), overhead);
    EXPECT_EQ(shownError(), QString());
}

QWidget* openOptions()
{
    platformClick(UiNorv::widget<QPushButton>("Norv_main", "Option"));
    QWidget* options = UiNorv::window("Norv_option");
    EXPECT_TRUE(options && options->isVisible());
    return options;
}

// The user sets both in the Options window and closes it with the frame.
void chooseInOptions(bool italian, bool overhead)
{
    QWidget* options = openOptions();
    platformClick(UiNorv::widget<QRadioButton>("Norv_option", italian ? "lingua(0)" : "lingua(1)"));
    auto* box = UiNorv::widget<QCheckBox>("Norv_option", "overhead");
    if (box->isChecked() != overhead)
        platformClick(box);
    options->close();
    QTest::qWait(0);
}

// A new Options window reads the store again.
void expectOptionsShow(bool italian, bool overhead)
{
    QWidget* options = openOptions();
    EXPECT_EQ(UiNorv::widget<QRadioButton>("Norv_option", "lingua(0)")->isChecked(), italian);
    EXPECT_EQ(UiNorv::widget<QRadioButton>("Norv_option", "lingua(1)")->isChecked(), !italian);
    EXPECT_EQ(UiNorv::widget<QCheckBox>("Norv_option", "overhead")->isChecked(), overhead);
    options->close();
    QTest::qWait(0);
}

TEST(SettingsFileUi, UnreadableFileGivesTheDefaultsAndIsLeftAsItWas)
{
    SettingsDir settings;
    const QString path = confPath(settings);
    writeFile(path, kStored);
    {
        const ModeGuard locked(path, {});
        // Root reads through any mode: then the stored values apply.
        const bool readable = QFile(path).open(QIODevice::ReadOnly);
        {
            UiNorv norv(settings);
            expectSettings(readable, readable);
        }
        EXPECT_EQ(modeOf(path), Mode());
    }
    EXPECT_EQ(bytesOf(path), kStored);
}

struct Unwritable {
    const char* name;
    bool folder; // the folder read-only, else the file
};

class UnwritableSettingsUi : public ::testing::TestWithParam<Unwritable> {};

TEST_P(UnwritableSettingsUi, ChoicesHoldForTheRunAndTheFileIsLeftAsItWas)
{
    SettingsDir settings;
    const QString path = confPath(settings);
    writeFile(path, kStoredItalianOnly);
    const QString target = GetParam().folder ? QFileInfo(path).path() : path;
    const ModeGuard locked(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                       QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    // Root writes through any mode: then the choices reach the file.
    const bool writable = QFileInfo(target).isWritable();
    {
        UiNorv norv(settings);
        // State: the stored settings apply.
        expectSettings(true, false);

        // Action: the user switches to English and the overhead on.
        chooseInOptions(false, true);

        // Expected: the rest of the run reads them back.
        expectSettings(false, true);
        expectOptionsShow(false, true);
    }
    if (writable) {
        EXPECT_EQ(valueInFile(path, "Options/Language"), QStringLiteral("English"));
        EXPECT_EQ(valueInFile(path, "Options/Overhead"), QStringLiteral("1"));
    } else {
        EXPECT_EQ(bytesOf(path), kStoredItalianOnly);
    }
    EXPECT_EQ(valueInFile(path, "Other/keep"), QStringLiteral("yes"));
}

INSTANTIATE_TEST_SUITE_P(Places, UnwritableSettingsUi,
                         ::testing::Values(Unwritable{"ReadOnlyFile", false}, Unwritable{"ReadOnlyFolder", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Something else stands where the file or its folder should be.
struct InTheWay {
    enum Kind { Folder, File, Pipe };
    const char* name;
    const char* path; // under the settings directory
    Kind kind;
};

class SettingsInTheWayUi : public ::testing::TestWithParam<InTheWay> {};

TEST_P(SettingsInTheWayUi, DefaultsThenChoicesHoldForTheRun)
{
    const InTheWay& p = GetParam();
    SettingsDir settings;
    const QString path = settings.path() + QLatin1Char('/') + QLatin1String(p.path);
    if (p.kind == InTheWay::Folder) {
        ASSERT_TRUE(QDir().mkpath(path));
    } else if (p.kind == InTheWay::Pipe) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); // opening it would block
    } else {
        writeFile(path, "not settings");
    }
    {
        UiNorv norv(settings);
        expectSettings(false, false);
        chooseInOptions(true, true);
        expectSettings(true, true);
        expectOptionsShow(true, true);
    }
    if (p.kind == InTheWay::Folder) {
        EXPECT_TRUE(QFileInfo(path).isDir());
        EXPECT_TRUE(QDir(path).isEmpty());
    } else if (p.kind == InTheWay::Pipe) {
        struct stat info {};
        ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
    } else {
        EXPECT_EQ(bytesOf(path), QByteArray("not settings"));
    }
}

INSTANTIATE_TEST_SUITE_P(Places, SettingsInTheWayUi,
                         ::testing::Values(InTheWay{"FolderInPlaceOfTheFile", "Norv/Norv.conf", InTheWay::Folder},
                                           InTheWay{"FileInPlaceOfTheFolder", "Norv", InTheWay::File},
                                           InTheWay{"PipeInPlaceOfTheFile", "Norv/Norv.conf", InTheWay::Pipe}),
                         [](const auto& info) { return std::string(info.param.name); });

// The whole literal, NUL bytes included.
template <std::size_t N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

QByteArray randomBytes(int size)
{
    std::mt19937 random(20240607); // the same bytes every run
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random() & 0xff);
    return bytes;
}

// A garbled file; another group written before the garbage must survive.
struct Garbage {
    const char* name;
    QByteArray options;
    bool italian;
    bool overhead;
};

class GarbageSettingsUi : public ::testing::TestWithParam<Garbage> {};

TEST_P(GarbageSettingsUi, ReadsWhatItCanAndKeepsTheRest)
{
    const Garbage& g = GetParam();
    SettingsDir settings;
    const QString path = confPath(settings);
    writeFile(path, QByteArrayLiteral("[Other]\nkeep=yes\n") + g.options);
    {
        UiNorv norv(settings);
        expectSettings(g.italian, g.overhead);
    }
    // Start-up leaves the two keys as it writes them, and the other group.
    EXPECT_EQ(valueInFile(path, "Options/Language"), g.italian ? QStringLiteral("Italiano") : QStringLiteral("English"));
    EXPECT_EQ(valueInFile(path, "Options/Overhead"), g.overhead ? QStringLiteral("1") : QStringLiteral("0"));
    EXPECT_EQ(valueInFile(path, "Other/keep"), QStringLiteral("yes"));
}

const Garbage kGarbage[] = {
    {"RandomBytes", randomBytes(4096), false, false},
    {"HalfWritten", QByteArrayLiteral("[Options]\nLanguage=Italiano\nOver"), true, false},
    {"CutInAValue", QByteArrayLiteral("[Options]\nOverhead=1\nLanguage=Ital"), false, true},
    {"NulLinesAround", bytes("\0\0\0\n[Options]\nLanguage=Italiano\nOverhead=1\n\0\0\n"), true, true},
    {"NulBeforeTheGroup", bytes("\0\0[Options]\nLanguage=Italiano\nOverhead=1\n"), false, false},
    {"NulInsideTheValues", bytes("[Options]\nLanguage=Itali\0ano\nOverhead=\0" "1\n"), false, false},
    {"BrokenLinesAround",
     QByteArrayLiteral("no equals sign\n=\n[[[\n[Options]\nLanguage=Italiano\nOverhead=1\n]]]\n=orphan\n"), true,
     true},
    {"SerialisedValues",
     QByteArrayLiteral("[Options]\nLanguage=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5junk)\nOverhead=@Rect(1 1 1 1)\n"),
     false, false},
};

INSTANTIATE_TEST_SUITE_P(Files, GarbageSettingsUi, ::testing::ValuesIn(kGarbage),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace norv::test
