// SPDX-License-Identifier: GPL-3.0-or-later
// The event model: the rules of the control models, which end the program's
// chains of nested changes, and the one boundary through which user events run.
#include "common/application.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "raises.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace norv::test {
namespace {

// One control of each kind on a window, as the program's windows hold them.
class Events : public ::testing::Test {
protected:
    Events() { app.reportRunTimeError = [this] { ++reports; }; }

    MemorySettingsStore store;
    Application app{store, NumberLocale::point()};
    Window w{app, "Panel", "Panel"};
    TextBox field{w, "field"}, other{w, "other"};
    Slider slider{w, "slider", 1, 100, 50};
    OptionArray choice{w, "choice", {"A", "B", "C"}};
    ListBox list{w, "list"};
    Button button{w, "button", "Go"};
    int reports = 0;
};

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;

TEST_F(Events, TextChangesOnlyOnARealChangeAndFocusLeavesBeforeItEnters)
{
    Texts log;
    for (TextBox* box : {&field, &other}) {
        box->Change = [&log, box] { log.push_back(box->name() + " " + box->text()); };
        box->GotFocus = [&log, box] { log.push_back(box->name() + " got"); };
        box->LostFocus = [&log, box] { log.push_back(box->name() + " lost"); };
    }
    for (const char* text : {"a", "a", "", "b"})
        field.setText(text);
    field.userEdit("b");
    field.setFocus();
    other.userFocus();
    other.setFocus(); // already there: nothing
    other.userEdit("typed");
    EXPECT_EQ(log, (Texts{"field a", "field ", "field b", "field got", "field lost", "other got", "other typed"}));
}

TEST_F(Events, SliderClampsAndRunsChangeOnlyWhenTheValueMoves)
{
    Ints seen;
    slider.Change = [&] {
        EXPECT_LE(slider.value(), slider.max()); // the range is already in place
        seen.push_back(slider.value());
    };
    for (int value : {50, 500, -5})
        slider.setValue(value);
    slider.userMove(7);
    slider.setValue(50);
    slider.setMax(30); // below the value: moves it
    slider.setMax(40);
    slider.setMin(35); // above the value: drags it along
    // An empty range keeps one position: the far end moves to the near one.
    slider.setMax(-10);
    EXPECT_EQ(slider.max(), 35);
    slider.setMin(60);
    EXPECT_EQ(slider.max(), 60);
    EXPECT_EQ(seen, (Ints{100, 1, 7, 50, 30, 35, 60}));
}

TEST_F(Events, OptionClicksOnlyWhenItWasNotSelected)
{
    Ints clicks;
    choice.Click = [&](int index) {
        EXPECT_EQ(choice.selected(), index);
        clicks.push_back(index);
    };
    for (int index : {1, 1, 2})
        choice(index).setValue(true);
    EXPECT_FALSE(choice(1).value());
    choice(2).setValue(false); // clearing raises nothing
    EXPECT_EQ(choice.selected(), -1);
    choice(0).userClick();
    choice(0).userClick(); // the user's click on the selected one
    EXPECT_EQ(clicks, (Ints{1, 2, 0}));
}

TEST_F(Events, UserActionsRunNeitherInsideAnotherEventNorOnDisabledControls)
{
    // The toolkit's echoes of the program's own writes must not run handlers.
    button.Click = [&] { other.setText("echo"); };
    field.Change = [&] { button.userClick(); };
    field.userEdit("typed");
    EXPECT_EQ(other.text(), "");
    EXPECT_FALSE(app.dispatching());

    int events = 0;
    field.Change = field.GotFocus = slider.Change = [&] { ++events; };
    list.addItem("row");
    for (Control* control : w.controls())
        control->setEnabled(false);
    field.userEdit("again");
    field.userFocus();
    slider.userMove(80);
    list.userSelect(0);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(w.activeControl(), nullptr);
    EXPECT_EQ(list.listIndex(), -1);
}

TEST_F(Events, BoundaryReportsAnEndlessChainAndOutOfMemory)
{
    int changes = 0;
    field.Change = [&] { field.setText(std::to_string(++changes)); };
    // From code the error propagates to the writer.
    EXPECT_EQ(raised([&] { field.setText("start"); }), RunTimeError::OutOfStackSpace);
    EXPECT_EQ(changes, EventDepth::kMaxDepth);
    // Through the boundary it is reported, and the nesting count was unwound.
    changes = 0;
    field.userEdit("again");
    EXPECT_EQ(app.err().value().description(), "Out of stack space");
    EXPECT_EQ(changes, EventDepth::kMaxDepth);

    field.Change = [] { throw std::bad_alloc(); };
    field.userEdit("big");
    EXPECT_EQ(app.err()->number(), RunTimeError::OutOfMemory);
    EXPECT_EQ(reports, 2);
    // A reporter that fails itself stays inside the boundary.
    app.reportRunTimeError = [] { throw RunTimeError(RunTimeError::Overflow); };
    field.Change = [] { throw RunTimeError(RunTimeError::TypeMismatch); };
    EXPECT_EQ(raised([&] { field.userEdit("x"); }), 0);
    EXPECT_EQ(app.err()->number(), RunTimeError::TypeMismatch);
}

} // namespace
} // namespace norv::test
