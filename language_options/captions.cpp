// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"

#include "common/application.h"
#include "common/control.h"
#include "common/list_box.h"

#include <stdexcept>
#include <string>

namespace norv {

namespace {

using enum LanguageText::Kind;

// clang-format off
constexpr LanguageText kTexts[] = {
    {Caption, "Norv_option", "Frame1",             "Lingua",             "Language"},
    {Caption, "Norv_option", "Frame2",             "Overhead",           "Overhead"},
    {Caption, "Norv_option", "overhead",           "Calcola overhead",   "Compute overhead"},
    {Title,   "Norv_option", "",                   "Opzioni",            "Options"},

    {Caption, "Norv_main",   "Label1",             "Spazio su disco",    "Diskspace"},
    {Caption, "Norv_main",   "Label2",             "Lunghezza",          "Lenght"},
    {ToolTip, "Norv_main",   "lenght",             "secondi",            "seconds"},
    {Caption, "Norv_main",   "Label9",             "FPS",                "FPS"},
    {ToolTip, "Norv_main",   "framerate",          "fotogrammi",         "frames"},
    {Caption, "Norv_main",   "Label3",             "Container",          "Container"},
    {Caption, "Norv_main",   "Label4",             "Proporzioni",        "Proprtions"},
    {Caption, "Norv_main",   "Label5",             "Multipli di",        "Size multiples"},
    {Caption, "Norv_main",   "Label11",            "Errore proporzioni", "Proportion error"},
    {Caption, "Norv_main",   "Option",             "Opzioni",            "Options"},
    {Caption, "Norv_main",   "About",              "About",              "About"},
    {Caption, "Norv_main",   "Label7",             "Stream",             "Stream"},
    {Caption, "Norv_main",   "AddStreamButton",    "Aggiungi",           "Add"},
    {Caption, "Norv_main",   "RemoveStreamButton", "Rimuovi",            "Remove"},
    {Caption, "Norv_main",   "Label6",             "Larghezza",          "Width"},
    {Caption, "Norv_main",   "Label10",            "Altezza",            "Height"},
    {Caption, "Norv_main",   "Label8",             "Video Quality",      "Video Quality"},

    {Caption, "Norv_error",  "Termina",            "Termina",            "Close"},
    {Caption, "Norv_error",  "Riprendi",           "Riprendi",           "Continue"},
    {Caption, "Norv_error",  "Annulla",            "Annulla",            "Abort"},
    {Caption, "Norv_error",  "Frame1",             "Descrizione errore", "Error description"},
    {Title,   "Norv_error",  "",                   "Norv errore",        "Norv error"},

    {Caption, "AddStream",   "Label1",             "Tipo stream",        "Stream type"},
    {Caption, "AddStream",   "Label2",             "Dimensione",         "Stream size"},
    {Caption, "AddStream",   "Label3",             "bitrate",            "bitrate"},
    {Caption, "AddStream",   "Label4",             "dimensione",         "bytes"},
    {Caption, "AddStream",   "Label5",             "%",                  "%"},
    {Title,   "AddStream",   "",                   "Aggiungi Stream",    "Add Stream"},
    {Caption, "AddStream",   "Add",                "Aggiungi",           "Add"},
    {Caption, "AddStream",   "Abort",              "Annulla",            "Cancel"},
    {Entry,   "AddStream",   "streamtype",         "Video",              "Video"},
    {Entry,   "AddStream",   "streamtype",         "Audio",              "Audio"},
    {Entry,   "AddStream",   "streamtype",         "Sottotitoli",        "Subtitles"},
};

// Indexed by InputPart.
constexpr const char* kInputWords[][2] = {
    {"larghezza",   "width"},
    {"altezza",     "height"},
    {"cursore",     "slider"},
    {"codec",       "codec"},
    {"percentuale", "share"},
    {"dimensione",  "size"},
    {"unit\u00E0",  "unit"},
};

// Indexed by PlanWarningText.
constexpr const char* kPlanWarnings[][2] = {
    {"Non codificabile: lo spazio su disco \u00E8 insufficiente di %1 bytes; gli stream fissi e "
     "l'overhead del container da soli richiedono %2 bytes.",
     "Cannot be encoded: the disk space is %1 bytes too small; the fixed streams and the container "
     "overhead alone need %2 bytes."},
    {"Non codificabile: gli stream fissi e l'overhead del container occupano %1 dei %2 bytes di spazio "
     "su disco e non lasciano nulla a questo stream.",
     "Cannot be encoded: the fixed streams and the container overhead take %1 of the %2 bytes of disk "
     "space and leave nothing for this stream."},
    {"Non ancora ripartito: lo spazio su disco di %1 bytes ora basta agli stream fissi e all'overhead "
     "del container (%2 bytes); un doppio clic sulla lista degli stream ripartisce il resto.",
     "Not shared out yet: the disk space of %1 bytes now holds the fixed streams and the container "
     "overhead (%2 bytes); a double-click on the stream list shares out the rest."},
    {"Non codificabile: il bitrate video alla base di questo valore \u00E8 %1 bit/s.",
     "Cannot be encoded: the video bitrate behind this figure is %1 bit/s."},
    {"Non codificabile: la dimensione del fotogramma alla base di questo valore \u00E8 %1 x %2 pixel.",
     "Cannot be encoded: the frame size behind this figure is %1 x %2 pixels."},
};
// clang-format on

// Writes the texts in table order. A window is looked up when its rows
// begin; the first entry of a list empties it, and each entry goes to the
// next position.
class Writer {
public:
    Writer(Application& app, Language language) : m_app(app), m_language(language) {}
    // Writes into this window alone.
    Writer(Window& window, Language language)
        : m_app(window.application()), m_language(language), m_window(&window)
    {
    }

    void write(const LanguageText& t)
    {
        // The rows of one window follow each other: the same name, most
        // often the same literal.
        if (t.window != m_windowName && (!m_window || m_window->name() != t.window)) {
            m_window = &m_app.form(t.window);
            m_list = nullptr;
        }
        m_windowName = t.window;
        const char* text = t.in(m_language);
        switch (t.kind) {
        case Title:
            m_window->setCaption(text);
            return;
        case ToolTip:
            m_window->named(t.control).setToolTip(text);
            return;
        case Caption:
            dynamic_cast<CaptionedControl&>(m_window->named(t.control)).setCaption(text);
            return;
        case Entry: {
            ComboBox& entries = list(t.control);
            entries.addItem(text, entries.listCount());
            return;
        }
        }
    }

private:
    ComboBox& list(const char* name)
    {
        if (name != m_listName && (!m_list || m_list->name() != name)) {
            m_list = &dynamic_cast<ComboBox&>(m_window->named(name));
            m_list->clear();
        }
        m_listName = name;
        return *m_list;
    }

    Application& m_app;
    Language m_language;
    Window* m_window = nullptr;
    const char* m_windowName = nullptr;
    ComboBox* m_list = nullptr;
    const char* m_listName = nullptr;
};

} // namespace

std::span<const LanguageText> captions() { return kTexts; }

const char* captionOf(std::string_view window, std::string_view control, Language language)
{
    for (const auto table : {captions(), helperCaptions()})
        for (const LanguageText& t : table)
            if (t.window == window && t.control == control && t.kind != Entry)
                return t.in(language);
    throw std::logic_error("no text for " + std::string(window) + " " + std::string(control));
}

const char* partWord(InputPart part, Language language)
{
    return kInputWords[int(part)][language == Language::Italian ? 0 : 1];
}

const char* planWarningText(PlanWarningText text, Language language)
{
    return kPlanWarnings[int(text)][language == Language::Italian ? 0 : 1];
}

void applyCaptions(Window& window, Language language)
{
    Writer writer(window, language);
    for (const auto table : {captions(), helperCaptions()})
        for (const LanguageText& t : table)
            if (t.window == window.name())
                writer.write(t);
}

void applyLanguage(Application& app, Language language)
{
    Writer writer(app, language);
    for (const LanguageText& t : kTexts)
        writer.write(t);
    for (const LanguageText& t : helperCaptions())
        if (app.find(t.window))
            writer.write(t);
}

} // namespace norv
