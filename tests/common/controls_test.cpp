// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/application.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "raises.h"

#include <gtest/gtest.h>

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

class Controls : public ::testing::Test {
protected:
    MemorySettingsStore store;
    Application app{store, NumberLocale::point()};
    Panel& w = app.form<Panel>();
};

TEST_F(Controls, TextChangeRunsInsideTheWriteOnlyOnARealChange)
{
    bool writing = false;
    std::vector<std::string> seen;
    w.field.Change = [&] {
        EXPECT_TRUE(writing);
        seen.push_back(w.field.text());
    };

    for (const char* text : {"a", "a", "", "b", "b"}) {
        writing = true;
        w.field.setText(text);
        writing = false;
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "", "b"}));

    writing = true;
    w.field.userEdit("typed");
    w.field.userEdit("typed");
    EXPECT_EQ(seen.back(), "typed");
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(Controls, SliderClampsAndRunsChangeOnlyWhenTheValueMoves)
{
    std::vector<int> seen;
    w.slider.Change = [&] { seen.push_back(w.slider.value()); };

    w.slider.setValue(50);
    w.slider.setValue(500);
    w.slider.setValue(1000);
    w.slider.setValue(-5);
    w.slider.userMove(7);

    EXPECT_EQ(seen, (std::vector<int>{100, 1, 7}));
}

TEST_F(Controls, SliderRangeChangesMoveTheValue)
{
    std::vector<int> seen;
    w.slider.Change = [&] {
        EXPECT_LE(w.slider.value(), w.slider.max()); // the range is already in place
        seen.push_back(w.slider.value());
    };

    // Lowered maximum: the value follows; lowering it to above the value moves nothing.
    w.slider.setMax(30);
    w.slider.setMax(40);
    EXPECT_EQ(seen, (std::vector<int>{30}));

    // Raised minimum: the value follows.
    w.slider.setMin(35);
    EXPECT_EQ(w.slider.value(), 35);

    // A maximum below the minimum becomes the minimum.
    w.slider.setMax(-10);
    EXPECT_EQ(w.slider.max(), 35);
    EXPECT_EQ(w.slider.value(), 35);

    // A minimum above the maximum drags the maximum along.
    w.slider.setMin(60);
    EXPECT_EQ(w.slider.max(), 60);
    EXPECT_EQ(seen, (std::vector<int>{30, 35, 60}));
}

TEST_F(Controls, OptionSelectedFromCodeClicksOnlyWhenItWasNotSelected)
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
    EXPECT_EQ(w.control("choice(0)"), &w.choice(0));
}

TEST_F(Controls, CheckBoxTogglesOnlyForTheUser)
{
    std::vector<int> clicks;
    w.check.Click = [&] { clicks.push_back(w.check.value()); };

    w.check.setValue(1);
    w.check.setValue(5);
    EXPECT_EQ(w.check.value(), 1);
    w.check.userClick();
    w.check.userClick();

    EXPECT_EQ(clicks, (std::vector<int>{0, 1}));
}

TEST_F(Controls, ListRemovalKeepsTheSelectionOnItsRow)
{
    int events = 0;
    w.list.DblClick = w.list.MouseDown = w.list.MouseUp = [&] { ++events; };
    for (const char* item : {"a", "b", "c", "d"})
        w.list.addItem(item);
    w.list.setListIndex(2);

    w.list.removeItem(3); // after the selection
    EXPECT_EQ(w.list.listIndex(), 2);
    w.list.removeItem(0); // before it: the selection moves up with its row
    EXPECT_EQ(w.list.listIndex(), 1);
    EXPECT_EQ(w.list.item(1), "c");
    w.list.setItem(1, "C");
    w.list.removeItem(1); // the selected row itself
    EXPECT_EQ(w.list.listIndex(), -1);
    EXPECT_EQ(w.list.items(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(events, 0);

    EXPECT_EQ(raised([&] { w.list.setListIndex(1); }), RunTimeError::InvalidArgument);
    EXPECT_EQ(raised([&] { (void)w.list.item(-1); }), RunTimeError::InvalidArgument);
}

TEST_F(Controls, ComboBoxTextIsTheSelectedEntry)
{
    EXPECT_EQ(w.combo.text(), "");
    w.combo.addItem("AVI", 0);
    w.combo.addItem("OGM", 1);
    w.combo.setListIndex(1);
    w.combo.addItem("", 1); // inserted before the selection
    EXPECT_EQ(w.combo.listIndex(), 2);
    EXPECT_EQ(w.combo.text(), "OGM");
    w.combo.clear();
    EXPECT_EQ(w.combo.listIndex(), -1);
    EXPECT_EQ(w.combo.text(), "");
}

TEST_F(Controls, FocusLeavesOneControlBeforeItEntersTheNext)
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

TEST_F(Controls, DisabledControlsIgnoreUserActions)
{
    int events = 0;
    const auto count = [&] { ++events; };
    w.field.Change = w.field.DblClick = w.field.MouseDown = w.field.MouseUp = w.field.GotFocus = count;
    w.slider.Change = w.check.Click = w.button.Click = w.list.DblClick = count;
    w.choice.Click = [&](int) { ++events; };
    w.list.addItem("row");
    w.combo.addItem("entry", 0);
    for (Control* control : w.controls())
        control->setEnabled(false);

    w.field.userEdit("typed");
    w.field.userDblClick();
    w.field.userMouseDown();
    w.field.userMouseUp();
    w.field.userFocus();
    w.slider.userMove(80);
    w.check.userClick();
    w.choice(1).userClick();
    w.list.userSelect(0);
    w.list.userDblClick();
    w.combo.userSelect(0);
    w.button.userClick();

    EXPECT_EQ(events, 0);
    EXPECT_EQ(w.field.text(), "");
    EXPECT_EQ(w.activeControl(), nullptr);
    EXPECT_EQ(w.slider.value(), 50);
    EXPECT_EQ(w.check.value(), 0);
    EXPECT_EQ(w.choice.selected(), -1);
    EXPECT_EQ(w.list.listIndex(), -1);
    EXPECT_EQ(w.combo.listIndex(), -1);
}

} // namespace
} // namespace norv::test
