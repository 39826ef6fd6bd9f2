// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the rules cannot compute, typed into real widgets: the error window
// reports them and Norv goes on; its buttons and the main window's frame
// close end the program cleanly.
#include "field_keys.h"

#include "common/slider.h"

#include <QPushButton>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

namespace norv::test {
namespace {

using Keys = std::vector<std::pair<const char*, const char*>>; // field, keys (see typeKeys)

struct Uncomputable {
    const char* name;
    bool videoRow;          // the quality figure needs a video bitrate
    Keys typed;
    const char* description;
    const char* stays;      // the last field typed still shows this
    Keys corrected;         // a following correct edit
    const char* widthAfter; // and the width it gives
};

class RunTimeErrorUi : public ::testing::TestWithParam<Uncomputable> {};

TEST_P(RunTimeErrorUi, ErrorWindowReportsItAndNorvGoesOn)
{
    const Uncomputable& u = GetParam();
    SettingsDir settings;
    UiNorv norv(settings);
    QWidget* main = UiNorv::window("Norv_main");
    if (u.videoRow)
        addVideoRow(norv, "1000000");

    // Action: the user types the input.
    for (const auto& [name, keys] : u.typed)
        typeInto(name, QString::fromLatin1(keys));

    // Expected: the error window shows the description; the field keeps the text.
    const QString message = QStringLiteral("Errore di Run-time: ") + QLatin1String(u.description);
    EXPECT_EQ(shownError(), message);
    EXPECT_EQ(field(u.typed.back().first)->text(), UiNorv::dec(QString::fromLatin1(u.stays)));

    // Riprendi hides the window and keeps its text.
    QTest::mouseClick(UiNorv::widget<QPushButton>("Norv_error", "Riprendi"), Qt::LeftButton);
    EXPECT_FALSE(UiNorv::window("Norv_error")->isVisible());
    EXPECT_EQ(UiNorv::widget<QLabel>("Norv_error", "errordescription")->text(), message);

    // A correct edit afterwards works as ever.
    activate(main);
    for (const auto& [name, keys] : u.corrected)
        typeInto(name, QString::fromLatin1(keys));
    EXPECT_EQ(shownError(), QString());
    EXPECT_EQ(field("fwidth")->text(), QLatin1String(u.widthAfter));
    EXPECT_EQ(slider("fwidths")->value(), norv.model().fwidths.value());
}

const Uncomputable kUncomputable[] = {
    {"MultipleWithUnit", false, {{"xdivisible", "*16px"}}, "Type mismatch", "16px",
     {{"xdivisible", "*16"}}, "720"},
    // "0" alone would become 1 at once: the digits go in around it.
    {"MultipleBelowOneHalf", false, {{"xdivisible", "*3^0."}}, "Division by zero", "0.3",
     {{"xdivisible", "*16"}}, "720"},
    {"NegativeRatio", true, {{"prop1", "*-720"}, {"videoquality", "*1000"}},
     "Invalid procedure call or argument", "1000",
     {{"prop1", "*720"}, {"videoquality", "*1000"}}, "707"},
    // 3000000000 pixels are more multiples of 1 than a 32-bit slider holds.
    {"WidthBeyondTheSliderRange", false, {{"fwidth", "*3000000000"}}, "Overflow", "3000000000",
     {{"fwidth", "*720"}}, "720"},
};

INSTANTIATE_TEST_SUITE_P(Inputs, RunTimeErrorUi, ::testing::ValuesIn(kUncomputable),
                         [](const auto& info) { return std::string(info.param.name); });

// Runs the event loop with the action in it; true when the program ends,
// false when it is still running after a generous while.
bool endsTheProgram(const std::function<void()>& action)
{
    QTimer::singleShot(0, action);
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stillRunning.start(10000);
    const bool ended = QApplication::exec() == 0;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ended;
}

// Options and About open beside the main window, as a user would leave them.
void openOptionsAndAbout()
{
    QTest::mouseClick(UiNorv::widget<QPushButton>("Norv_main", "Option"), Qt::LeftButton);
    QTest::mouseClick(UiNorv::widget<QPushButton>("Norv_main", "About"), Qt::LeftButton);
    ASSERT_TRUE(UiNorv::window("Norv_option")->isVisible());
    ASSERT_TRUE(UiNorv::window("AboutForm")->isVisible());
}

void expectNoWindowLeft(const UiNorv& norv)
{
    EXPECT_FALSE(norv.app.running());
    for (const char* name : {"Norv_main", "Norv_error", "Norv_option", "AboutForm", "AddStream"})
        EXPECT_EQ(UiNorv::window(name), nullptr) << name;
}

TEST(RunTimeErrorEnd, TerminaClosesEveryWindowAndEndsTheProgram)
{
    // State: an error reported while Options and About are open.
    SettingsDir settings;
    UiNorv norv(settings);
    openOptionsAndAbout();
    activate(UiNorv::window("Norv_main"));
    typeInto("xdivisible", "*16px");
    ASSERT_FALSE(shownError().isEmpty());

    // Action: Termina.
    const bool ended = endsTheProgram(
        [] { QTest::mouseClick(UiNorv::widget<QPushButton>("Norv_error", "Termina"), Qt::LeftButton); });

    EXPECT_TRUE(ended);
    expectNoWindowLeft(norv);
}

TEST(RunTimeErrorEnd, ClosingTheMainWindowClosesEveryWindowAndEndsTheProgram)
{
    SettingsDir settings;
    UiNorv norv(settings);
    openOptionsAndAbout();

    const bool ended = endsTheProgram([] { UiNorv::window("Norv_main")->close(); });

    EXPECT_TRUE(ended);
    expectNoWindowLeft(norv);
}

} // namespace
} // namespace norv::test
