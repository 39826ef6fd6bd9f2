// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_setup.h"

#include "language_options/norv_option.h"
#include "streams/add_stream.h"

#include <string>
#include <utility>
#include <vector>

namespace norv::test {
namespace {

using Column = std::vector<std::string>;

class AddStreamDialog : public BothLocales {
protected:
    AddStream& dialog() { return norv.app.form<AddStream>(); }

    // The user's way: open, pick the type, then the option (which rewrites
    // the value), type the value and press Add.
    void add(int type, int option, const std::string& value)
    {
        norv.main().AddStreamButton.userClick();
        dialog().streamtype.userSelect(type);
        dialog().tipodimensione(option).userClick();
        dialog().dimensionestream.userEdit(value);
        dialog().Add.userClick();
    }
};

// A user's session: the dialog opens on the type the list lacks; each option
// gives its kind of row; a second video is refused with the dialog left open
// and the value normalised; a row keeps the type name of its language.
TEST_P(AddStreamDialog, AddsOneRowOfTheChosenKindAndRefusesASecondVideo)
{
    Norv_main& m = norv.start();
    m.AddStreamButton.userClick();
    EXPECT_EQ(dialog().streamtype.text(), "Video");
    dialog().tipodimensione(2).userClick();
    dialog().Add.userClick();
    add(1, 0, "128000");
    add(1, 1, norv.dec("1.5"));
    add(1, 0, "12abc");
    norv.app.form<Norv_option>().lingua_Click(1); // English

    m.AddStreamButton.userClick();
    EXPECT_EQ(dialog().streamtype.text(), "Audio");
    EXPECT_EQ(dialog().dimensionestream.text(), "0");
    dialog().streamtype.userSelect(0);
    dialog().dimensionestream.userEdit(" 64000x");
    dialog().Add.userClick();
    EXPECT_EQ(norv.shownError(), "Numero massimo di flussi video consentiti: 1");
    EXPECT_TRUE(dialog().visible());
    norv.app.form<Norv_error>().Riprendi.userClick();
    dialog().streamtype.userSelect(2);
    dialog().Add.userClick();
    norv.app.form<Norv_option>().lingua_Click(0);

    EXPECT_FALSE(dialog().visible());
    EXPECT_EQ(m.streamlist.items(), (Column{"Video", "Audio", "Audio", "Audio", "Subtitles"}));
    EXPECT_EQ(m.streampercentual.items(), (Column{"100%", "", "", "", ""}));
    EXPECT_EQ(m.streamdimension.items(), (Column{"", "128000", norv.dec("1.5"), "12", "64000"}));
    EXPECT_EQ(m.dimensiontype.items(), (Column{"", "bit/s", "bytes", "bit/s", "bit/s"}));
}

// Choosing percent keeps the value as a whole number, clamped to 32 bits;
// bitrate or bytes brings that number back over whatever was typed, and so
// does the next opening when percent was left chosen.
TEST_P(AddStreamDialog, PercentOptionSavesTheValueForTheOtherOptions)
{
    Norv_main& m = norv.start();
    m.AddStreamButton.userClick();
    // Nothing saved yet: bitrate to bytes shows the saved 0, not the value typed.
    dialog().dimensionestream.userEdit("700");
    dialog().tipodimensione(1).userClick();
    EXPECT_EQ(dialog().dimensionestream.text(), "0");
    for (const auto& [typed, saved] : {std::pair{norv.dec("2.5"), 2}, {"3000000000", 2147483647},
             {"-3000000000", -2147483647 - 1}, {"700", 700}}) {
        SCOPED_TRACE(typed);
        dialog().dimensionestream.userEdit(typed);
        dialog().tipodimensione(2).userClick();
        EXPECT_EQ(dialog().dimensionestream.text(), "100");
        EXPECT_EQ(dialog().savedsize, saved);
        dialog().tipodimensione(1).userClick();
        EXPECT_EQ(dialog().dimensionestream.text(), std::to_string(saved));
    }

    dialog().tipodimensione(2).userClick();
    dialog().Abort.userClick();
    m.AddStreamButton.userClick();
    EXPECT_EQ(dialog().tipodimensione.selected(), 0);
    EXPECT_EQ(dialog().dimensionestream.text(), "700");
    EXPECT_EQ(m.streamlist.listCount(), 0);
}

TEST_P(AddStreamDialog, AddRefreshesTheQualityFigure)
{
    // State: ratio 4:3, multiples 16, width 720.
    Norv_main& m = norv.start();
    setShape(m, "4", "3", "16");
    m.fwidth.setText("720");

    // Action
    add(0, 0, "1000000");

    // Expected: 1000000 / 720 / 528 / 25 * 10000, to 15 significant digits.
    EXPECT_EQ(m.videoquality.text(), norv.dec("1052.18855218855"));
    EXPECT_EQ(m.videoqualitys.value(), 1052);

    // A width below one multiple (written by code, it stays 99) rounds down to
    // a frame of no size, which has no figure, nor has a frame rate of 0: the
    // field reads "0", the slider rests at its minimum.
    for (const bool noRate : {false, true}) {
        SCOPED_TRACE(noRate ? "frame rate 0" : "width 99, multiples of 100");
        m.xdivisible.setText(noRate ? "16" : "100");
        m.fwidth.userFocus();
        m.fwidth.userEdit("720");
        if (noRate) {
            m.framerate.userFocus();
            m.framerate.userEdit("0");
        } else {
            m.diskspace.userFocus();
            m.fwidth.setText("99");
        }
        EXPECT_NE(m.videoquality.text(), "0");

        add(1, 0, "128000");

        EXPECT_EQ(m.videoquality.text(), "0");
        EXPECT_EQ(m.videoqualitys.value(), 1);
    }
}

NORV_BOTH_LOCALES(AddStreamDialog);

} // namespace
} // namespace norv::test
