// SPDX-License-Identifier: GPL-3.0-or-later
// A wrong number read during a user's action is shown in the error window and
// the program carries on; the error window's buttons, and closing everything.
#include "support/norv_fixture.h"

#include "language_options/about_form.h"
#include "language_options/norv_option.h"
#include "streams/add_stream.h"

namespace norv::test {
namespace {

class ErrorBoundary : public BothLocales {};

TEST_P(ErrorBoundary, WrongMultipleIsReportedAndTheProgramGoesOn)
{
    struct Case {
        const char* field;
        const char* typed; // with the locale's separator
        const char* description;
        RunTimeError::Number number;
    };
    const Case cases[] = {
        {"xdivisible", "16px", "Type mismatch", RunTimeError::TypeMismatch},
        {"xdivisible", "0.3", "Division by zero", RunTimeError::DivisionByZero},
        {"ydivisible", "16px", "Type mismatch", RunTimeError::TypeMismatch},
        {"ydivisible", "0.3", "Division by zero", RunTimeError::DivisionByZero},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        // State: a disk space the next cycle will clean.
        Norv n{GetParam()};
        Norv_main& m = n.start();
        auto& multiple = dynamic_cast<TextBox&>(*m.control(c.field));
        auto& slider = c.field == std::string("xdivisible") ? m.fwidths : m.fheights;
        m.diskspace.userEdit("5000 bytes");

        // Action
        multiple.userEdit(n.dec(c.typed));

        // Expected: reported; the writes made before the error stay.
        EXPECT_EQ(n.shownError(), std::string("Errore di Run-time: ") + c.description);
        ASSERT_TRUE(n.app.err().has_value());
        EXPECT_EQ(n.app.err()->number(), c.number);
        EXPECT_EQ(multiple.text(), n.dec(c.typed));
        EXPECT_EQ(m.diskspace.text(), "5000");
        EXPECT_EQ(slider.max(), 2000);
        EXPECT_TRUE(n.app.running());
        EXPECT_TRUE(m.visible());

        // A correct edit afterwards works: 2000 \ 16 multiples.
        multiple.userEdit("16");
        EXPECT_EQ(multiple.text(), "16");
        EXPECT_EQ(slider.max(), 125);
        EXPECT_EQ(m.fwidth.text(), "720");
        EXPECT_EQ(m.fheight.text(), "576");
    }
}

TEST_P(ErrorBoundary, ContinueHidesTheWindowAndKeepsItsText)
{
    // State
    Norv_main& m = norv.start();
    m.xdivisible.userEdit("16px");
    auto& error = *norv.app.find<Norv_error>();
    ASSERT_TRUE(error.visible());

    // Action
    error.Riprendi.userClick();

    // Expected
    EXPECT_FALSE(error.visible());
    EXPECT_EQ(norv.app.find<Norv_error>(), &error);
    EXPECT_EQ(error.errordescription.caption(), "Errore di Run-time: Type mismatch");

    // The next error shows it again with its own message.
    m.ydivisible.userEdit(norv.dec("0.3"));
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Division by zero");
}

TEST_P(ErrorBoundary, AbortIsDisabled)
{
    norv.start().xdivisible.userEdit("16px");
    auto& error = *norv.app.find<Norv_error>();

    EXPECT_FALSE(error.Annulla.enabled());
    error.Annulla.userClick();

    EXPECT_TRUE(error.visible());
}

TEST_P(ErrorBoundary, CloseEndsTheProgramWithTheAddStreamDialogOpen)
{
    // State: a refused second video stream over the open dialog.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "1000000", "bit/s");
    m.AddStreamButton.userClick();
    auto& dialog = *norv.app.find<AddStream>();
    ASSERT_TRUE(dialog.visible());
    dialog.streamtype.setListIndex(0); // "Video"
    dialog.Add.userClick();
    auto& error = *norv.app.find<Norv_error>();
    ASSERT_TRUE(error.visible());
    ASSERT_TRUE(dialog.visible());
    m.About.userClick();
    bool ended = false;
    norv.app.ended.subscribe([&] { ended = true; });

    // Action
    error.Termina.userClick();

    // Expected
    EXPECT_TRUE(norv.app.windows().empty());
    EXPECT_FALSE(norv.app.running());
    EXPECT_TRUE(ended);
}

TEST_P(ErrorBoundary, ClosingTheMainWindowClosesTheOthers)
{
    Norv_main& m = norv.start();
    m.Option.userClick();
    m.About.userClick();
    ASSERT_TRUE(norv.app.find<Norv_option>()->visible());
    ASSERT_TRUE(norv.app.find<AboutForm>()->visible());

    m.userClose();

    EXPECT_EQ(norv.app.find<Norv_main>(), nullptr);
    EXPECT_EQ(norv.app.find<Norv_option>(), nullptr);
    EXPECT_EQ(norv.app.find<AboutForm>(), nullptr);
    EXPECT_EQ(norv.app.find<AddStream>(), nullptr);
    EXPECT_EQ(norv.app.find<Norv_error>(), nullptr);
    EXPECT_FALSE(norv.app.running());
}

NORV_BOTH_LOCALES(ErrorBoundary);

} // namespace
} // namespace norv::test
