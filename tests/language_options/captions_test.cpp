// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/norv_fixture.h"

#include "language_options/about_form.h"
#include "language_options/norv_option.h"
#include "language_options/settings.h"
#include "streams/add_stream.h"

#include <string>
#include <vector>

namespace norv::test {
namespace {

enum class In { Options, Main, Error, Dialog };
enum class What { Caption, ToolTip, Title };

struct Text {
    In window;
    const char* control; // "" for the window's title
    What what;
    const char* italian;
    const char* english;
};

using enum In;
using enum What;

// Every text the language switch writes, as the user must read it.
// clang-format off
const std::vector<Text> kTexts = {
    {Options, "Frame1",             Caption, "Lingua",             "Language"},
    {Options, "Frame2",             Caption, "Overhead",           "Overhead"},
    {Options, "overhead",           Caption, "Calcola overhead",   "Compute overhead"},
    {Options, "",                   Title,   "Opzioni",            "Options"},
    {Main,    "Label1",             Caption, "Spazio su disco",    "Diskspace"},
    {Main,    "Label2",             Caption, "Lunghezza",          "Lenght"},
    {Main,    "lenght",             ToolTip, "secondi",            "seconds"},
    {Main,    "Label9",             Caption, "FPS",                "FPS"},
    {Main,    "framerate",          ToolTip, "fotogrammi",         "frames"},
    {Main,    "Label3",             Caption, "Container",          "Container"},
    {Main,    "Label4",             Caption, "Proporzioni",        "Proprtions"},
    {Main,    "Label5",             Caption, "Multipli di",        "Size multiples"},
    {Main,    "Label11",            Caption, "Errore proporzioni", "Proportion error"},
    {Main,    "Option",             Caption, "Opzioni",            "Options"},
    {Main,    "About",              Caption, "About",              "About"},
    {Main,    "Label7",             Caption, "Stream",             "Stream"},
    {Main,    "AddStreamButton",    Caption, "Aggiungi",           "Add"},
    {Main,    "RemoveStreamButton", Caption, "Rimuovi",            "Remove"},
    {Main,    "Label6",             Caption, "Larghezza",          "Width"},
    {Main,    "Label10",            Caption, "Altezza",            "Height"},
    {Main,    "Label8",             Caption, "Video Quality",      "Video Quality"},
    {Error,   "Termina",            Caption, "Termina",            "Close"},
    {Error,   "Riprendi",           Caption, "Riprendi",           "Continue"},
    {Error,   "Annulla",            Caption, "Annulla",            "Abort"},
    {Error,   "Frame1",             Caption, "Descrizione errore", "Error description"},
    {Error,   "",                   Title,   "Norv errore",        "Norv error"},
    {Dialog,  "Label1",             Caption, "Tipo stream",        "Stream type"},
    {Dialog,  "Label2",             Caption, "Dimensione",         "Stream size"},
    {Dialog,  "Label3",             Caption, "bitrate",            "bitrate"},
    {Dialog,  "Label4",             Caption, "dimensione",         "bytes"},
    {Dialog,  "Label5",             Caption, "%",                  "%"},
    {Dialog,  "",                   Title,   "Aggiungi Stream",    "Add Stream"},
    {Dialog,  "Add",                Caption, "Aggiungi",           "Add"},
    {Dialog,  "Abort",              Caption, "Annulla",            "Cancel"},
};
// clang-format on

class LanguageSwitch : public ::testing::Test {
protected:
    Window& window(In in)
    {
        switch (in) {
        case Options: return norv.app.form<Norv_option>();
        case Main: return norv.main();
        case Error: return norv.app.form<Norv_error>();
        case Dialog: return norv.app.form<AddStream>();
        }
        throw std::logic_error("no such window");
    }

    std::string shown(const Text& c)
    {
        Window& w = window(c.window);
        if (c.what == Title)
            return w.caption();
        Control* control = w.control(c.control);
        if (!control)
            return "<no control " + std::string(c.control) + ">";
        if (c.what == ToolTip)
            return control->toolTip();
        auto* captioned = dynamic_cast<CaptionedControl*>(control);
        return captioned ? captioned->caption() : "<no caption>";
    }

    void expectAll(bool italian)
    {
        for (const Text& c : kTexts)
            EXPECT_EQ(shown(c), italian ? c.italian : c.english)
                << window(c.window).name() << " " << c.control;
        const std::vector<std::string> types = {"Video", "Audio",
                                                italian ? "Sottotitoli" : "Subtitles"};
        EXPECT_EQ(norv.app.form<AddStream>().streamtype.items(), types);
    }

    Norv_option& options() { return norv.app.form<Norv_option>(); }

    static std::vector<std::string> texts(const Window& w)
    {
        std::vector<std::string> out{w.caption()};
        for (Control* c : w.controls())
            if (auto* captioned = dynamic_cast<CaptionedControl*>(c))
                out.push_back(captioned->caption());
        return out;
    }

    Norv norv;
};

TEST_F(LanguageSwitch, ItalianEnglishItalianLeavesEveryTextItalian)
{
    norv.start();
    options().lingua_Click(0);
    expectAll(true);

    options().lingua_Click(1);
    {
        SCOPED_TRACE("English");
        expectAll(false);
        EXPECT_EQ(norv.main().Label2.caption(), "Lenght");
        EXPECT_EQ(norv.main().Label4.caption(), "Proprtions");
        EXPECT_EQ(settings::get(norv.store, settings::kLanguage), "English");
    }

    options().lingua_Click(0);
    SCOPED_TRACE("Italian again");
    expectAll(true);
    EXPECT_EQ(settings::get(norv.store, settings::kLanguage), "Italiano");
    EXPECT_EQ(options().lingua.selected(), 0);
    EXPECT_FALSE(options().visible());
    EXPECT_EQ(norv.app.find<AboutForm>(), nullptr); // never written, so never created
}

TEST_F(LanguageSwitch, AnIndexOutsideThePairChangesAndStoresNothing)
{
    norv.start();
    norv.app.form<AddStream>().streamtype.setListIndex(2);
    const int saves = norv.store.saves();

    options().lingua_Click(2);
    options().lingua_Click(-1);

    EXPECT_EQ(norv.store.saves(), saves);
    EXPECT_EQ(settings::get(norv.store, settings::kLanguage), "English");
    EXPECT_EQ(options().lingua.selected(), 1);
    expectAll(false);
    EXPECT_EQ(norv.app.form<AddStream>().streamtype.listIndex(), 2);
}

TEST_F(LanguageSwitch, TextsOutsideTheTablesStayInBothLanguages)
{
    Norv_main& m = norv.start();
    m.About.userClick();
    const AboutForm& about = *norv.app.find<AboutForm>();
    const std::vector<std::string> aboutTexts = texts(about);
    norv.addRow("Subtitles", "", "1000", "bit/s");

    options().lingua_Click(0);

    EXPECT_EQ(texts(about), aboutTexts);
    EXPECT_EQ(m.caption(), "Norv2");
    EXPECT_EQ(m.diskspace.toolTip(), "bytes");
    EXPECT_EQ(m.fwidth.toolTip(), "pixel");
    EXPECT_EQ(m.ydivisible.toolTip(), "pixel");
    EXPECT_EQ(m.videoquality.toolTip(), "bit / (pixel * fps) [x 10000]");
    EXPECT_EQ(m.properror.toolTip(), "%");
    EXPECT_EQ(m.containerselector.items(), (std::vector<std::string>{"AVI", "", "OGM"}));
    EXPECT_EQ(options().lingua(0).caption(), "Italiano");
    EXPECT_EQ(options().lingua(1).caption(), "English");
    EXPECT_EQ(m.streamlist.item(0), "Subtitles");
}

} // namespace
} // namespace norv::test
