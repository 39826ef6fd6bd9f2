// SPDX-License-Identifier: GPL-3.0-or-later
// A wrong number read during a user's action is shown in the error window and
// the program carries on; the error window's buttons.
#include "support/norv_fixture.h"

#include "streams/add_stream.h"

namespace norv::test {
namespace {

class ErrorWindow : public BothLocales {};

TEST_P(ErrorWindow, ShowsTheErrorContinueHidesItAndNorvGoesOn)
{
    // State: a disk space the next cycle will clean.
    Norv_main& m = norv.start();
    m.diskspace.userEdit("5000 bytes");

    // Action: a multiple that cannot be read.
    m.xdivisible.userEdit("16px");

    // Expected: reported; the writes made before the error stay.
    auto& error = *norv.app.find<Norv_error>();
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Type mismatch");
    EXPECT_EQ(m.xdivisible.text(), "16px");
    EXPECT_EQ(m.diskspace.text(), "5000");
    // Abort is disabled: clicking it does nothing.
    error.Annulla.userClick();
    EXPECT_FALSE(error.Annulla.enabled());
    ASSERT_TRUE(error.visible());

    // Continue hides the window and keeps its text.
    error.Riprendi.userClick();
    EXPECT_FALSE(error.visible());
    EXPECT_EQ(error.errordescription.caption(), "Errore di Run-time: Type mismatch");

    // The next error shows it again with its own message.
    m.ydivisible.userEdit(norv.dec("0.3"));
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Division by zero");
    EXPECT_EQ(norv.app.find<Norv_error>(), &error);
    // A correct edit afterwards works: 2000 \ 16 multiples.
    m.xdivisible.userEdit("16");
    EXPECT_EQ(m.fwidths.max(), 125);
}

TEST_P(ErrorWindow, CloseEndsTheProgramWithTheAddStreamDialogOpen)
{
    // State: a refused second video stream over the open dialog.
    Norv_main& m = norv.start();
    norv.addRow("Video", "", "1000000", "bit/s");
    m.AddStreamButton.userClick();
    auto& dialog = *norv.app.find<AddStream>();
    dialog.streamtype.setListIndex(0); // "Video"
    dialog.Add.userClick();
    ASSERT_TRUE(dialog.visible());
    ASSERT_NE(norv.shownError(), "");

    // Action
    norv.app.find<Norv_error>()->Termina.userClick();

    // Expected
    EXPECT_TRUE(norv.app.windows().empty());
}

NORV_BOTH_LOCALES(ErrorWindow);

} // namespace
} // namespace norv::test
