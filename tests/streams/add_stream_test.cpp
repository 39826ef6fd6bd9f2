// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/norv_option.h"
#include "streams/add_stream.h"

#include <cstdint>
#include <vector>

namespace norv::test {
namespace {

using Column = std::vector<std::string>;
constexpr const char* kRefusal = "Numero massimo di flussi video consentiti: 1";

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

    Column lastRow()
    {
        Norv_main& m = norv.main();
        const int last = m.streamlist.listCount() - 1;
        return {m.streamlist.item(last), m.streampercentual.item(last),
                m.streamdimension.item(last), m.dimensiontype.item(last)};
    }

    // The frame and multiples of the quality example, then its video stream.
    void setUpQualityExample()
    {
        Norv_main& m = norv.main();
        m.prop1.userEdit("4");
        m.prop2.userEdit("3");
        m.ydivisible.userEdit("16");
        m.xdivisible.userEdit("16");
        m.fwidth.userFocus();
        m.fwidth.userEdit("720");
        m.diskspace.userFocus();
        add(0, 0, "1000000");
    }
};

TEST_P(AddStreamDialog, OpensModalWithTheTypeTheListStillLacks)
{
    Norv_main& m = norv.start();

    m.AddStreamButton.userClick();

    EXPECT_TRUE(dialog().visible());
    EXPECT_TRUE(dialog().modal());
    EXPECT_EQ(dialog().streamtype.text(), "Video");
    EXPECT_EQ(dialog().dimensionestream.text(), "0");
    EXPECT_EQ(dialog().tipodimensione.selected(), 0);

    dialog().dimensionestream.userEdit("1000000");
    dialog().Add.userClick();
    m.AddStreamButton.userClick();

    EXPECT_EQ(dialog().streamtype.text(), "Audio");
    EXPECT_EQ(dialog().dimensionestream.text(), "0");
    EXPECT_EQ(dialog().tipodimensione.selected(), 0);

    // Leaving the percent option on the way in brings the saved value back.
    dialog().dimensionestream.userEdit("700");
    dialog().tipodimensione(2).userClick();
    dialog().Abort.userClick();
    m.AddStreamButton.userClick();

    EXPECT_EQ(dialog().tipodimensione.selected(), 0);
    EXPECT_EQ(dialog().dimensionestream.text(), "700");
}

TEST_P(AddStreamDialog, AppendsOneRowOfTheChosenKind)
{
    struct Case {
        int option;
        std::string typed;
        Column row; // type, percent, size, unit
    };
    const Case cases[] = {
        {0, "128000", {"Audio", "", "128000", "bit/s"}},
        {1, "700", {"Audio", "", "700", "bytes"}},
        {2, "100", {"Audio", "100%", "", ""}},
        {0, "12abc", {"Audio", "", "12", "bit/s"}},
        {1, norv.dec("1.5"), {"Audio", "", norv.dec("1.5"), "bytes"}},
        {0, "", {"Audio", "", "0", "bit/s"}},
        {1, "-40", {"Audio", "", "-40", "bytes"}},
    };
    Norv_main& m = norv.start();
    int rows = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        add(1, c.option, c.typed);
        ASSERT_EQ(m.streamlist.listCount(), ++rows);
        EXPECT_EQ(lastRow(), c.row);
        EXPECT_FALSE(dialog().visible());
    }
    // Every column grew together, and the codec column never.
    EXPECT_EQ(m.streampercentual.listCount(), rows);
    EXPECT_EQ(m.streamdimension.listCount(), rows);
    EXPECT_EQ(m.dimensiontype.listCount(), rows);
    EXPECT_EQ(m.codec.listCount(), 0);
}

// Choosing percent keeps the value as a whole number; bitrate or bytes brings
// that number back over whatever was typed.
TEST_P(AddStreamDialog, PercentOptionSavesTheValueForTheOtherOptions)
{
    struct Case {
        std::string typed;
        std::int32_t saved;
    };
    const Case cases[] = {
        {"700", 700},
        {norv.dec("2.5"), 2},
        {norv.dec("3.5"), 4},
        {"12abc", 12},
        {"", 0},
        {"-7", -7},
        {"3000000000", 2147483647},
        {"-3000000000", -2147483647 - 1},
        {"1e20", 2147483647},
    };
    norv.start();
    norv.main().AddStreamButton.userClick();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialog().tipodimensione(1).userClick();
        dialog().dimensionestream.userEdit(c.typed);

        dialog().tipodimensione(2).userClick();
        EXPECT_EQ(dialog().dimensionestream.text(), "100");
        EXPECT_EQ(dialog().savedsize, c.saved);

        dialog().tipodimensione(1).userClick();
        EXPECT_EQ(dialog().dimensionestream.text(), std::to_string(c.saved));
        EXPECT_EQ(norv.shownError(), "");
    }
}

TEST_P(AddStreamDialog, BitrateToBytesShowsTheSavedValueNotTheTypedOne)
{
    norv.start();
    norv.main().AddStreamButton.userClick();
    dialog().dimensionestream.userEdit("700");

    dialog().tipodimensione(1).userClick();

    EXPECT_EQ(dialog().dimensionestream.text(), "0");
    EXPECT_EQ(dialog().savedsize, 0);
}

TEST_P(AddStreamDialog, SecondVideoIsRefusedInBothLanguages)
{
    Norv_main& m = norv.start();
    add(0, 2, "100");
    for (int language : {1, 0}) {
        SCOPED_TRACE(language);
        norv.app.form<Norv_option>().lingua_Click(std::int16_t(language));

        // State: a video row exists; the user insists on a second one.
        const int rows = m.streamlist.listCount();
        m.AddStreamButton.userClick();
        dialog().streamtype.userSelect(0);
        dialog().dimensionestream.userEdit(" 64000x");
        dialog().Add.userClick();

        // Expected: the message, no row, the dialog open with the normalised value.
        EXPECT_EQ(norv.shownError(), kRefusal);
        EXPECT_EQ(m.streamlist.listCount(), rows);
        EXPECT_TRUE(dialog().visible());
        EXPECT_EQ(dialog().dimensionestream.text(), "64000");
        EXPECT_EQ(norv.main().hasfocus, Norv_main::FocusNone);

        // Action: the same value as audio.
        dialog().streamtype.userSelect(1);
        dialog().Add.userClick();

        EXPECT_FALSE(dialog().visible());
        EXPECT_EQ(lastRow(), (Column{"Audio", "", "64000", "bit/s"}));
        norv.app.form<Norv_error>().Riprendi.userClick();
    }
    EXPECT_EQ(m.streamlist.items(), (Column{"Video", "Audio", "Audio"}));
}

TEST_P(AddStreamDialog, CancelAndFrameCloseHideWithoutAdding)
{
    Norv_main& m = norv.start();
    for (bool frame : {false, true}) {
        SCOPED_TRACE(frame ? "frame close" : "Cancel");
        m.AddStreamButton.userClick();
        dialog().dimensionestream.userEdit("128000");

        if (frame)
            dialog().userClose();
        else
            dialog().Abort.userClick();

        ASSERT_NE(norv.app.find<AddStream>(), nullptr);
        EXPECT_FALSE(dialog().visible());
        EXPECT_EQ(dialog().dimensionestream.text(), "128000");
        EXPECT_EQ(dialog().streamtype.items(), (Column{"Video", "Audio", "Subtitles"}));
        EXPECT_EQ(m.streamlist.listCount(), 0);
    }
    m.AddStreamButton.userClick();
    EXPECT_EQ(dialog().streamtype.text(), "Video");
    EXPECT_EQ(dialog().dimensionestream.text(), "0");
}

TEST_P(AddStreamDialog, RowsKeepTheTypeNameOfTheirLanguage)
{
    Norv_main& m = norv.start();
    add(2, 0, "2000");

    norv.app.form<Norv_option>().lingua_Click(0);

    EXPECT_EQ(m.streamlist.items(), (Column{"Subtitles"}));
    EXPECT_EQ(dialog().streamtype.items(), (Column{"Video", "Audio", "Sottotitoli"}));
    add(2, 0, "3000");
    EXPECT_EQ(m.streamlist.items(), (Column{"Subtitles", "Sottotitoli"}));
}

TEST_P(AddStreamDialog, AddRefreshesTheQualityFigure)
{
    Norv_main& m = norv.start();

    setUpQualityExample();

    // 1000000 / 720 / 528 / 25 * 10000, to 15 significant digits.
    EXPECT_EQ(m.fwidth.text(), "720");
    EXPECT_EQ(m.videoquality.text(), norv.dec("1052.18855218855"));
    EXPECT_EQ(m.videoqualitys.value(), 1052);
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_TRUE(m.videoquality.enabled());
    EXPECT_EQ(norv.shownError(), "");
}

// Without a frame rate there is no figure: the field, emptied, is turned
// into "0" by its own refresh, and the slider rests at its minimum.
TEST_P(AddStreamDialog, NoFrameRateClearsTheQualityFigure)
{
    Norv_main& m = norv.start();
    setUpQualityExample();
    ASSERT_EQ(m.videoqualitys.value(), 1052);
    m.framerate.userEdit("0");

    add(1, 0, "128000");

    EXPECT_EQ(m.videoquality.text(), "0");
    EXPECT_EQ(m.videoqualitys.value(), m.videoqualitys.min());
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_FALSE(m.videoquality.enabled());
    EXPECT_EQ(norv.shownError(), "");
}

// A width below one multiple rounds down to a frame of no size: treated as
// no frame rate rather than divided by.
TEST_P(AddStreamDialog, FrameOfNoSizeClearsTheQualityFigure)
{
    Norv_main& m = norv.start();
    setUpQualityExample();
    m.fwidth.userFocus();
    m.fwidth.userEdit("10");
    ASSERT_EQ(m.fwidth.text(), "10");
    ASSERT_EQ(m.videoqualitys.value(), 1052);

    add(1, 0, "128000");

    EXPECT_EQ(m.videoquality.text(), "0");
    EXPECT_EQ(m.videoqualitys.value(), m.videoqualitys.min());
    EXPECT_EQ(m.hasfocus, Norv_main::FocusNone);
    EXPECT_EQ(norv.shownError(), "");
}

NORV_BOTH_LOCALES(AddStreamDialog);

} // namespace
} // namespace norv::test
