// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/application.h"
#include "common/text_box.h"
#include "raises.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

namespace norv::test {
namespace {

// What the windows' own steps report; reset for every test.
struct Journal {
    int loads = 0;
    int unloads = 0;
    int destroyed = 0;
};
Journal journal;

class Panel : public Window {
public:
    explicit Panel(Application& app) : Window(app, "Panel", "Panel") {}
    ~Panel() override { ++journal.destroyed; }
    void Form_Load() override { ++journal.loads; }
    void Form_Unload() override
    {
        ++journal.unloads;
        application().unload(*this); // closing again while closing is harmless
    }

    TextBox field{*this, "field"};
    TextBox result{*this, "result"};
    TextBox echo{*this, "echo"};
    Button close{*this, "close", "Close"};
};

class Other : public Window {
public:
    explicit Other(Application& app) : Window(app, "Other", "Other") {}
};

class Windows : public ::testing::Test {
protected:
    Windows()
    {
        journal = {};
        app.reportRunTimeError = [this] { ++reports; };
        app.windowDestroyed.subscribe([this](Window& w) { destroyedNames += w.name() + " "; });
        app.ended.subscribe([this] { ++ends; });
    }

    MemorySettingsStore store;
    Application app{store, NumberLocale::point()};
    int reports = 0;
    int ends = 0;
    std::string destroyedNames;
};

TEST_F(Windows, AWindowIsCreatedHiddenOnceOnFirstReference)
{
    EXPECT_EQ(app.find<Panel>(), nullptr);

    Panel& first = app.form<Panel>();
    Panel& again = app.form<Panel>();

    EXPECT_EQ(&first, &again);
    EXPECT_EQ(app.find<Panel>(), &first);
    EXPECT_FALSE(first.visible());
    EXPECT_EQ(journal.loads, 1);
    EXPECT_EQ(app.windows().size(), 1u);
}

TEST_F(Windows, ClosingRunsTheUnloadStepAndTheLastOneEndsTheProgram)
{
    app.form<Panel>().show();
    app.form<Other>();

    app.unload<Panel>();
    EXPECT_EQ(journal.unloads, 1);
    EXPECT_EQ(app.find<Panel>(), nullptr);
    EXPECT_EQ(ends, 0);

    app.unload<Panel>(); // no longer open: nothing
    app.form<Other>().userClose();
    EXPECT_EQ(journal.unloads, 1);
    EXPECT_EQ(destroyedNames, "Panel Other ");
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(app.running());

    // Referring to it again brings a fresh window with its load step.
    app.form<Panel>();
    EXPECT_EQ(journal.loads, 2);
}

TEST_F(Windows, AWindowMayCloseItselfFromItsOwnHandler)
{
    Panel& w = app.form<Panel>();
    w.close.Click = [&] {
        app.unload(w);
        // Still alive until the event returns: its own controls may be written.
        EXPECT_EQ(journal.destroyed, 0);
        w.result.setText("closed");
        EXPECT_EQ(w.result.text(), "closed");
    };

    w.close.userClick();

    EXPECT_EQ(journal.unloads, 1);
    EXPECT_EQ(journal.destroyed, 1);
    EXPECT_EQ(ends, 1);
}

TEST_F(Windows, ARunTimeErrorIsReportedAndTheWritesBeforeItStay)
{
    Panel& w = app.form<Panel>();
    w.field.Change = [&] {
        w.result.setText("working");
        // 2000 \ the field: a divisor that rounds to 0 raises.
        w.result.setText(std::to_string(IntDiv(2000, app.numbers().LeadingNumber(w.field.text()))));
    };

    // State: a field whose change divides by its value. Action: the user types 0.3.
    w.field.userEdit("0.3");

    // Expected: the error is recorded and reported once, the writes stay.
    ASSERT_TRUE(app.err().has_value());
    EXPECT_EQ(app.err()->number(), RunTimeError::DivisionByZero);
    EXPECT_EQ(app.err()->description(), "Division by zero");
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(w.field.text(), "0.3");
    EXPECT_EQ(w.result.text(), "working");

    // The program goes on.
    w.field.userEdit("16");
    EXPECT_EQ(w.result.text(), "125");
    EXPECT_EQ(reports, 1);
}

TEST_F(Windows, EventsArisingDuringAnEventAreDropped)
{
    Panel& w = app.form<Panel>();
    w.field.Change = [&] {
        EXPECT_TRUE(app.dispatching());
        w.echo.userEdit("echo");
    };

    w.field.userEdit("typed");

    EXPECT_EQ(w.echo.text(), "");
    EXPECT_FALSE(app.dispatching());
}

TEST_F(Windows, AnEndlessChainOfChangesRunsOutOfStackSpace)
{
    Panel& w = app.form<Panel>();
    int changes = 0;
    w.field.Change = [&] {
        ++changes;
        w.field.setText(std::to_string(changes));
    };

    // From code the error propagates to the writer.
    EXPECT_EQ(raised([&] { w.field.setText("start"); }), RunTimeError::OutOfStackSpace);
    EXPECT_EQ(changes, EventDepth::kMaxDepth);

    // Through the boundary it is reported, and the nesting count was unwound.
    changes = 0;
    w.field.userEdit("again");
    ASSERT_TRUE(app.err().has_value());
    EXPECT_EQ(app.err()->number(), RunTimeError::OutOfStackSpace);
    EXPECT_EQ(app.err()->description(), "Out of stack space");
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(changes, EventDepth::kMaxDepth);
}

TEST_F(Windows, RunningOutOfMemoryIsARunTimeError)
{
    Panel& w = app.form<Panel>();
    w.field.Change = [] { throw std::bad_alloc(); };

    w.field.userEdit("big");

    ASSERT_TRUE(app.err().has_value());
    EXPECT_EQ(app.err()->number(), RunTimeError::OutOfMemory);
    EXPECT_EQ(app.err()->description(), "Out of memory");
    EXPECT_EQ(reports, 1);
}

TEST_F(Windows, AReporterThatFailsDoesNotEscapeTheBoundary)
{
    Panel& w = app.form<Panel>();
    app.reportRunTimeError = [] { throw RunTimeError(RunTimeError::Overflow); };
    w.field.Change = [] { throw RunTimeError(RunTimeError::TypeMismatch); };

    EXPECT_EQ(raised([&] { w.field.userEdit("x"); }), 0);
    EXPECT_EQ(app.err()->number(), RunTimeError::TypeMismatch);
}

} // namespace
} // namespace norv::test
