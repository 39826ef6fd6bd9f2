// SPDX-License-Identifier: GPL-3.0-or-later
// A wrong number read during a user's action is shown in the error window and
// the program carries on; the error window's buttons.
#include "support/norv_fixture.h"

namespace norv::test {
namespace {

class ErrorWindow : public BothLocales {};

TEST_P(ErrorWindow, ShowsEachErrorNorvGoesOnAndTerminaEndsIt)
{
    // State: a disk space the next cycle will clean.
    Norv_main& m = norv.start();
    m.diskspace.userEdit("5000 bytes");

    // Action: a multiple that cannot be read.
    m.xdivisible.userEdit("16px");

    // Expected: reported, and the writes made before the error stay.
    auto& error = *norv.app.find<Norv_error>();
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Type mismatch");
    EXPECT_EQ(m.diskspace.text(), "5000");
    // Annulla is disabled; Riprendi hides the window.
    error.Annulla.userClick();
    EXPECT_TRUE(error.visible());
    error.Riprendi.userClick();
    EXPECT_FALSE(error.visible());
    // The next error shows the same window with its own message.
    m.ydivisible.userEdit(norv.dec("0.3"));
    EXPECT_EQ(norv.shownError(), "Errore di Run-time: Division by zero");
    EXPECT_EQ(norv.app.find<Norv_error>(), &error);

    // Termina ends Norv, even with the modal Add Stream dialog open.
    m.AddStreamButton.userClick();
    error.Termina.userClick();
    EXPECT_TRUE(norv.app.windows().empty());
}

NORV_BOTH_LOCALES(ErrorWindow);

} // namespace
} // namespace norv::test
