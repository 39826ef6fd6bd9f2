// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "streams/add_stream.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace norv::test {
namespace {

using Column = std::vector<std::string>;

class AddStreamDialog : public BothLocales {
protected:
    AddStream& dialog() { return norv.app.form<AddStream>(); }

    // The user's way: open, pick the type, the option, then type the value
    // (choosing an option rewrites the value), and press Add.
    void add(int type, int option, const std::string& value)
    {
        norv.main().AddStreamButton.userClick();
        dialog().streamtype.userSelect(type);
        dialog().tipodimensione(option).userClick();
        dialog().dimensionestream.userEdit(value);
        dialog().Add.userClick();
    }
};

TEST_P(AddStreamDialog, OpensModalWithTheTypeTheListLacksAndCancelsWithoutAdding)
{
    Norv_main& m = norv.start();

    m.AddStreamButton.userClick();
    EXPECT_TRUE(dialog().modal());
    EXPECT_EQ(dialog().streamtype.text(), "Video");

    dialog().dimensionestream.userEdit("1000000");
    dialog().Add.userClick();
    m.AddStreamButton.userClick();
    EXPECT_EQ(dialog().streamtype.text(), "Audio");
    EXPECT_EQ(dialog().dimensionestream.text(), "0");

    // Leaving the percent option on the way in brings the saved value back.
    dialog().dimensionestream.userEdit("700");
    dialog().tipodimensione(2).userClick();
    dialog().Abort.userClick();
    EXPECT_FALSE(dialog().visible());
    m.AddStreamButton.userClick();
    EXPECT_EQ(dialog().tipodimensione.selected(), 0);
    EXPECT_EQ(dialog().dimensionestream.text(), "700");

    // The window frame's close acts as Cancel: the dialog is hidden, not destroyed.
    dialog().userClose();
    ASSERT_NE(norv.app.find<AddStream>(), nullptr);
    EXPECT_FALSE(dialog().visible());
    EXPECT_EQ(m.streamlist.items(), (Column{"Video"}));
}

TEST_P(AddStreamDialog, AppendsOneRowOfTheChosenKind)
{
    Norv_main& m = norv.start();

    add(1, 0, "128000");
    add(1, 1, norv.dec("1.5"));
    add(1, 2, "100");
    add(1, 0, "12abc"); // added as its leading number

    EXPECT_FALSE(dialog().visible());
    EXPECT_EQ(m.streamlist.items(), (Column{"Audio", "Audio", "Audio", "Audio"}));
    EXPECT_EQ(m.streampercentual.items(), (Column{"", "", "100%", ""}));
    EXPECT_EQ(m.streamdimension.items(), (Column{"128000", norv.dec("1.5"), "", "12"}));
    EXPECT_EQ(m.dimensiontype.items(), (Column{"bit/s", "bytes", "", "bit/s"}));
}

// Choosing percent keeps the value as a whole number, clamped to 32 bits;
// bitrate or bytes brings that number back over whatever was typed.
TEST_P(AddStreamDialog, PercentOptionSavesTheValueForTheOtherOptions)
{
    const std::pair<std::string, std::int32_t> cases[] = {{"700", 700}, {norv.dec("2.5"), 2},
        {"3000000000", 2147483647}, {"-3000000000", -2147483647 - 1}};
    norv.start();
    norv.main().AddStreamButton.userClick();
    // Nothing saved yet: bitrate to bytes shows the saved 0, not the value typed.
    dialog().dimensionestream.userEdit("700");
    dialog().tipodimensione(1).userClick();
    EXPECT_EQ(dialog().dimensionestream.text(), "0");
    for (const auto& [typed, saved] : cases) {
        SCOPED_TRACE(typed);
        dialog().dimensionestream.userEdit(typed);
        dialog().tipodimensione(2).userClick();
        EXPECT_EQ(dialog().dimensionestream.text(), "100");
        EXPECT_EQ(dialog().savedsize, saved);
        dialog().tipodimensione(1).userClick();
        EXPECT_EQ(dialog().dimensionestream.text(), std::to_string(saved));
    }
}

// The refusal reads the same in both languages; the row added instead takes
// its type name from the language shown, and keeps it.
TEST_P(AddStreamDialog, SecondVideoIsRefusedInBothLanguages)
{
    Norv_main& m = norv.start();
    add(0, 2, "100");
    for (const int language : {1, 0}) { // English, then Italian
        SCOPED_TRACE(language);
        norv.app.form<Norv_option>().lingua_Click(std::int16_t(language));

        // State: a video row exists; the user insists on a second one.
        m.AddStreamButton.userClick();
        dialog().streamtype.userSelect(0);
        dialog().dimensionestream.userEdit(" 64000x");
        dialog().Add.userClick();

        // Expected: the message, the dialog still open (no row: see below).
        EXPECT_EQ(norv.shownError(), "Numero massimo di flussi video consentiti: 1");
        EXPECT_TRUE(dialog().visible());

        // Action: the same value, normalised, as subtitles.
        dialog().streamtype.userSelect(2);
        dialog().Add.userClick();
        norv.app.form<Norv_error>().Riprendi.userClick();
    }
    EXPECT_EQ(m.streamlist.items(), (Column{"Video", "Subtitles", "Sottotitoli"}));
    EXPECT_EQ(m.streamdimension.items(), (Column{"", "64000", "64000"}));
}

TEST_P(AddStreamDialog, AddRefreshesTheQualityFigure)
{
    // State: ratio 4:3, multiples 16, width 720.
    Norv_main& m = norv.start();
    m.prop1.userEdit("4");
    m.prop2.userEdit("3");
    m.ydivisible.userEdit("16");
    m.xdivisible.userEdit("16");
    m.fwidth.setText("720");

    // Action
    add(0, 0, "1000000");

    // Expected: 1000000 / 720 / 528 / 25 * 10000, to 15 significant digits.
    EXPECT_EQ(m.videoquality.text(), norv.dec("1052.18855218855"));
    EXPECT_EQ(m.videoqualitys.value(), 1052);

    // A frame of no size (a width below one multiple, 0 once left) has no
    // figure, nor has a frame rate of 0: the field, emptied, reads "0" after its
    // own refresh, and the slider rests at its minimum.
    for (const bool noRate : {false, true}) {
        SCOPED_TRACE(noRate ? "frame rate 0" : "width 10");
        m.fwidth.userFocus();
        m.fwidth.userEdit(noRate ? "720" : "10");
        m.framerate.userFocus();
        m.framerate.userEdit(noRate ? "0" : "25");
        ASSERT_NE(m.videoquality.text(), "0");

        add(1, 0, "128000");

        EXPECT_EQ(m.hasfocus, Norv_main::FocusNone); // no geometry rule may act on these writes
        EXPECT_EQ(m.videoquality.text(), "0");
        EXPECT_EQ(m.videoqualitys.value(), 1);
    }
}

NORV_BOTH_LOCALES(AddStreamDialog);

} // namespace
} // namespace norv::test
