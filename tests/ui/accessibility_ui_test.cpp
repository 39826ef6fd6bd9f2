// SPDX-License-Identifier: GPL-3.0-or-later
// What the user and a screen reader meet in each language, switched in the
// Options window. (Keyboard-only use: the tab order in main_window_ui_test.cpp,
// the keys for the double-clicks in streams_ui_test.cpp.)
#include "widget_harness.h"

#include "language_options/captions.h"
#include "streams/add_stream.h"

#include <optional>

namespace norv::test {
namespace {

// Each input is named after its label, as the captions table has it; two
// inputs under one label carry a word that tells them apart. A label that
// names one input alone is also its buddy.
struct Name {
    const char *input, *window, *label;
    std::optional<InputPart> part = std::nullopt;
    bool buddy = false;
};
const Name kNames[] = {
    {"diskspace", "Norv_main", "Label1", {}, true}, {"lenght", "Norv_main", "Label2", {}, true},
    {"framerate", "Norv_main", "Label9", {}, true}, {"containerselector", "Norv_main", "Label3", {}, true},
    {"prop1", "Norv_main", "Label4", InputPart::Width}, {"prop2", "Norv_main", "Label4", InputPart::Height},
    {"xdivisible", "Norv_main", "Label5", InputPart::Width}, {"ydivisible", "Norv_main", "Label5", InputPart::Height},
    {"properror", "Norv_main", "Label11", {}, true}, {"streamlist", "Norv_main", "Label7", {}, true},
    {"fwidth", "Norv_main", "Label6"}, {"fwidths", "Norv_main", "Label6", InputPart::Slider},
    {"fheight", "Norv_main", "Label10"}, {"fheights", "Norv_main", "Label10", InputPart::Slider},
    {"videoquality", "Norv_main", "Label8"}, {"videoqualitys", "Norv_main", "Label8", InputPart::Slider},
    {"streamtype", "AddStream", "Label1", {}, true}, {"dimensionestream", "AddStream", "Label2", {}, true},
    {"tipodimensione(0)", "AddStream", "Label3", {}, true}, {"tipodimensione(1)", "AddStream", "Label4", {}, true},
    {"tipodimensione(2)", "AddStream", "Label5", {}, true},
};

void expectLanguage(Application& app, Language language, const char* after)
{
    for (const Name& n : kNames) {
        QString name = QString::fromUtf8(captionOf(n.window, n.label, language));
        if (n.part)
            name += QStringLiteral(" (%1)").arg(QString::fromUtf8(partWord(*n.part, language)));
        QWidget* input = UiNorv::widget(n.window, n.input);
        EXPECT_EQ(input->accessibleName(), name) << n.input << after;
        EXPECT_TRUE(!n.buddy || UiNorv::widget<QLabel>(n.window, n.label)->buddy() == input) << n.input;
    }
    // The list of stream types shows the entries filled in again in the language.
    auto* types = UiNorv::widget<QComboBox>("AddStream", "streamtype");
    std::vector<std::string> shown;
    for (int i = 0; i < types->count(); ++i)
        shown.push_back(types->itemText(i).toStdString());
    EXPECT_EQ(shown, app.form<AddStream>().streamtype.items()) << after;
}

TEST(LanguageUi, SwitchRewritesCaptionsAndNamesInEveryWindow)
{
    // State: a first run, in English.
    UiNorv norv;
    expectLanguage(norv.app, Language::English, " on a first run");

    // Action: Italiano, English, Italiano clicked in the Options window.
    platformClick(button("Norv_main", "Option"));
    for (const Language language : {Language::Italian, Language::English, Language::Italian}) {
        const bool italian = language == Language::Italian;
        platformClick(UiNorv::widget<QRadioButton>("Norv_option", italian ? "lingua(0)" : "lingua(1)"));
        // Expected: every window in that language, every name with it.
        expectLanguage(norv.app, language, italian ? " after Italiano" : " after English");
    }
}

} // namespace
} // namespace norv::test
