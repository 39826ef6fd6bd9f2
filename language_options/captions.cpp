// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"

#include "common/application.h"
#include "language_options/norv_error.h"
#include "language_options/norv_option.h"
#include "main_window/norv_main.h"
#include "streams/add_stream.h"

#include <span>
#include <stdexcept>

namespace norv {

namespace {

enum class Property { Caption, ToolTip, Title };

struct Text {
    Property property;
    const char* control; // "" for the window's title
    const char* italian;
    const char* english;
};

using enum Property;

// clang-format off
constexpr Text kOptionTexts[] = {
    {Caption, "Frame1",             "Lingua",             "Language"},
    {Caption, "Frame2",             "Overhead",           "Overhead"},
    {Caption, "overhead",           "Calcola overhead",   "Compute overhead"},
    {Title,   "",                   "Opzioni",            "Options"},
};

constexpr Text kMainTexts[] = {
    {Caption, "Label1",             "Spazio su disco",    "Diskspace"},
    {Caption, "Label2",             "Lunghezza",          "Lenght"},
    {ToolTip, "lenght",             "secondi",            "seconds"},
    {Caption, "Label9",             "FPS",                "FPS"},
    {ToolTip, "framerate",          "fotogrammi",         "frames"},
    {Caption, "Label3",             "Container",          "Container"},
    {Caption, "Label4",             "Proporzioni",        "Proprtions"},
    {Caption, "Label5",             "Multipli di",        "Size multiples"},
    {Caption, "Label11",            "Errore proporzioni", "Proportion error"},
    {Caption, "Option",             "Opzioni",            "Options"},
    {Caption, "About",              "About",              "About"},
    {Caption, "Label7",             "Stream",             "Stream"},
    {Caption, "AddStreamButton",    "Aggiungi",           "Add"},
    {Caption, "RemoveStreamButton", "Rimuovi",            "Remove"},
    {Caption, "Label6",             "Larghezza",          "Width"},
    {Caption, "Label10",            "Altezza",            "Height"},
    {Caption, "Label8",             "Video Quality",      "Video Quality"},
};

constexpr Text kErrorTexts[] = {
    {Caption, "Termina",            "Termina",            "Close"},
    {Caption, "Riprendi",           "Riprendi",           "Continue"},
    {Caption, "Annulla",            "Annulla",            "Abort"},
    {Caption, "Frame1",             "Descrizione errore", "Error description"},
    {Title,   "",                   "Norv errore",        "Norv error"},
};

constexpr Text kAddStreamTexts[] = {
    {Caption, "Label1",             "Tipo stream",        "Stream type"},
    {Caption, "Label2",             "Dimensione",         "Stream size"},
    {Caption, "Label3",             "bitrate",            "bitrate"},
    {Caption, "Label4",             "dimensione",         "bytes"},
    {Caption, "Label5",             "%",                  "%"},
    {Title,   "",                   "Aggiungi Stream",    "Add Stream"},
    {Caption, "Add",                "Aggiungi",           "Add"},
    {Caption, "Abort",              "Annulla",            "Cancel"},
};

constexpr const char* kStreamTypes[][2] = {
    {"Video",       "Video"},
    {"Audio",       "Audio"},
    {"Sottotitoli", "Subtitles"},
};
// clang-format on

void apply(Window& window, std::span<const Text> texts, Language language)
{
    for (const Text& t : texts) {
        const char* text = language == Language::Italian ? t.italian : t.english;
        if (t.property == Title) {
            window.setCaption(text);
            continue;
        }
        Control* control = window.control(t.control);
        if (t.property == ToolTip && control) {
            control->setToolTip(text);
        } else if (auto* captioned = dynamic_cast<CaptionedControl*>(control)) {
            captioned->setCaption(text);
        } else {
            throw std::logic_error(std::string("no caption for ") + t.control);
        }
    }
}

} // namespace

void applyCaptions(Norv_error& window, Language language) { apply(window, kErrorTexts, language); }

void applyLanguage(Application& app, Language language)
{
    apply(app.form<Norv_option>(), kOptionTexts, language);
    apply(app.form<Norv_main>(), kMainTexts, language);
    apply(app.form<Norv_error>(), kErrorTexts, language);
    auto& dialog = app.form<AddStream>();
    apply(dialog, kAddStreamTexts, language);
    dialog.streamtype.clear();
    const int column = language == Language::Italian ? 0 : 1;
    for (int i = 0; i < 3; ++i)
        dialog.streamtype.addItem(kStreamTypes[i][column], i);
}

} // namespace norv
