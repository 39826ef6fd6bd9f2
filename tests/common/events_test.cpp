// SPDX-License-Identifier: GPL-3.0-or-later
// The event model: the rules of the control models, which end the program's
// chains of nested changes, and the one boundary through which user events
// run. The window registry is exercised by every program test.
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

// One control of each kind, as a window of the program would hold them.
class Panel : public Window {
public:
    explicit Panel(Application& app) : Window(app, "Panel", "Panel") {}

    TextBox field{*this, "field"};
    TextBox other{*this, "other"};
    Slider slider{*this, "slider", 1, 100, 50};
    CheckBox check{*this, "check", "Check"};
    OptionArray choice{*this, "choice", {"A", "B", "C"}};
    ListBox list{*this, "list"};
    ComboBox combo{*this, "combo"};
    Button button{*this, "button", "Go"};
};

class Events : public ::testing::Test {
protected:
    Events() { app.reportRunTimeError = [this] { ++reports; }; }

    MemorySettingsStore store;
    Application app{store, NumberLocale::point()};
    Panel& w = app.form<Panel>();
    int reports = 0;
};

TEST_F(Events, TextChangeRunsOnlyOnARealChange)
{
    std::vector<std::string> seen;
    w.field.Change = [&] { seen.push_back(w.field.text()); };

    for (const char* text : {"a", "a", "", "b", "b"})
        w.field.setText(text);
    w.field.userEdit("typed");
    w.field.userEdit("typed");

    EXPECT_EQ(seen, (std::vector<std::string>{"a", "", "b", "typed"}));
}

TEST_F(Events, SliderClampsAndRunsChangeOnlyWhenTheValueMoves)
{
    std::vector<int> seen;
    w.slider.Change = [&] {
        EXPECT_LE(w.slider.value(), w.slider.max()); // the range is already in place
        seen.push_back(w.slider.value());
    };

    w.slider.setValue(50);
    w.slider.setValue(500);
    w.slider.setValue(-5);
    w.slider.userMove(7);
    EXPECT_EQ(seen, (std::vector<int>{100, 1, 7}));

    // A lowered maximum moves the value only when it falls below it.
    seen.clear();
    w.slider.setValue(50);
    w.slider.setMax(30);
    w.slider.setMax(40);
    w.slider.setMin(35); // a raised minimum drags the value along
    // An empty range keeps one position: the far end moves to the near one.
    w.slider.setMax(-10);
    EXPECT_EQ(w.slider.max(), 35);
    w.slider.setMin(60);
    EXPECT_EQ(w.slider.max(), 60);
    EXPECT_EQ(seen, (std::vector<int>{50, 30, 35, 60}));
}

TEST_F(Events, OptionClicksOnlyWhenItWasNotSelected)
{
    std::vector<int> clicks;
    w.choice.Click = [&](int index) {
        EXPECT_EQ(w.choice.selected(), index);
        clicks.push_back(index);
    };
    w.choice(1).setValue(true);
    w.choice(1).setValue(true);
    w.choice(2).setValue(true);
    EXPECT_FALSE(w.choice(1).value());
    w.choice(2).setValue(false); // clearing raises nothing
    EXPECT_EQ(w.choice.selected(), -1);
    w.choice(0).userClick();
    w.choice(0).userClick(); // the user's click on the selected one
    EXPECT_EQ(clicks, (std::vector<int>{1, 2, 0}));
}

TEST_F(Events, ListSelectionStaysOnItsRow)
{
    for (const char* item : {"a", "b", "c", "d"})
        w.list.addItem(item);
    w.list.setListIndex(2);

    w.list.removeItem(0); // before it: the selection moves up with its row
    EXPECT_EQ(w.list.listIndex(), 1);
    w.list.removeItem(1); // the selected row itself
    EXPECT_EQ(w.list.listIndex(), -1);
    EXPECT_EQ(w.list.items(), (std::vector<std::string>{"b", "d"}));
    EXPECT_EQ(raised([&] { w.list.setListIndex(2); }), RunTimeError::InvalidArgument);
    EXPECT_EQ(raised([&] { (void)w.list.item(-1); }), RunTimeError::InvalidArgument);
}

TEST_F(Events, FocusLeavesOneControlBeforeItEntersTheNext)
{
    std::vector<std::string> log;
    for (TextBox* box : {&w.field, &w.other}) {
        box->GotFocus = [&log, box] { log.push_back(box->name() + " got"); };
        box->LostFocus = [&log, box] { log.push_back(box->name() + " lost"); };
    }

    w.field.setFocus();
    w.other.userFocus();
    w.other.setFocus(); // already there: nothing
    w.field.userFocus();

    EXPECT_EQ(log, (std::vector<std::string>{"field got", "field lost", "other got", "other lost",
                                             "field got"}));
    EXPECT_TRUE(w.field.hasFocus());
}

TEST_F(Events, DisabledControlsIgnoreUserActions)
{
    int events = 0;
    const auto count = [&] { ++events; };
    w.field.Change = w.field.GotFocus = w.slider.Change = w.check.Click = w.button.Click = count;
    w.choice.Click = [&](int) { ++events; };
    w.list.addItem("row");
    w.combo.addItem("entry", 0);
    for (Control* control : w.controls())
        control->setEnabled(false);

    w.field.userEdit("typed");
    w.field.userFocus();
    w.slider.userMove(80);
    w.check.userClick();
    w.choice(1).userClick();
    w.list.userSelect(0);
    w.combo.userSelect(0);
    w.button.userClick();

    EXPECT_EQ(events, 0);
    EXPECT_EQ(w.activeControl(), nullptr);
    EXPECT_EQ(w.list.listIndex(), -1);
    EXPECT_EQ(w.combo.listIndex(), -1);
}

TEST_F(Events, EventsArisingDuringAnEventAreDropped)
{
    // The toolkit's echoes of the program's own writes must not run handlers.
    w.button.Click = [&] { w.other.setText("echo"); };
    w.field.Change = [&] {
        EXPECT_TRUE(app.dispatching());
        w.button.userClick();
    };

    w.field.userEdit("typed");

    EXPECT_EQ(w.other.text(), "");
    EXPECT_FALSE(app.dispatching());
}

TEST_F(Events, AnEndlessChainOfChangesRunsOutOfStackSpace)
{
    int changes = 0;
    w.field.Change = [&] { w.field.setText(std::to_string(++changes)); };

    // From code the error propagates to the writer.
    EXPECT_EQ(raised([&] { w.field.setText("start"); }), RunTimeError::OutOfStackSpace);
    EXPECT_EQ(changes, EventDepth::kMaxDepth);

    // Through the boundary it is reported, and the nesting count was unwound.
    changes = 0;
    w.field.userEdit("again");
    ASSERT_TRUE(app.err().has_value());
    EXPECT_EQ(app.err()->description(), "Out of stack space");
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(changes, EventDepth::kMaxDepth);
}

TEST_F(Events, OutOfMemoryIsReportedAndAFailingReporterStaysInside)
{
    w.field.Change = [] { throw std::bad_alloc(); };
    w.field.userEdit("big");
    ASSERT_TRUE(app.err().has_value());
    EXPECT_EQ(app.err()->number(), RunTimeError::OutOfMemory);
    EXPECT_EQ(app.err()->description(), "Out of memory");
    EXPECT_EQ(reports, 1);

    app.reportRunTimeError = [] { throw RunTimeError(RunTimeError::Overflow); };
    w.field.Change = [] { throw RunTimeError(RunTimeError::TypeMismatch); };
    EXPECT_EQ(raised([&] { w.field.userEdit("x"); }), 0);
    EXPECT_EQ(app.err()->number(), RunTimeError::TypeMismatch);
}

} // namespace
} // namespace norv::test
