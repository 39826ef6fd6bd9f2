// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the planning helpers: their entries in the main window's
// context menus, and their windows, which exist only once opened.
#include "captions.h"

namespace norv {

namespace {

using enum LanguageText::Kind;

// clang-format off
constexpr LanguageText kHelperTexts[] = {
    {Caption, "Norv_main",   "sizehelper",   "Dimensione in unit\u00E0 o disco\u2026", "Size in units or a disc\u2026"},
    {Caption, "Norv_main",   "lengthhelper", "Lunghezza in h:mm:ss o fotogrammi\u2026", "Length in h:mm:ss or frames\u2026"},
    {Caption, "Norv_main",   "commonrates",  "Frequenze comuni",        "Common frame rates"},
    {Caption, "Norv_main",   "secondtry",    "Secondo tentativo\u2026", "Second try\u2026"},
    {Caption, "Norv_main",   "copyplan",     "Copia il piano come testo", "Copy the plan as text"},
    {Caption, "Norv_main",   "copycommands", "Copia le righe di comando di ffmpeg", "Copy the ffmpeg command lines"},

    {Title,   "Norv_size",   "",             "Spazio su disco in unit\u00E0 o dischi", "Diskspace in units or discs"},
    {Caption, "Norv_size",   "Label1",       "Dimensione",              "Size"},
    {Caption, "Norv_size",   "Label2",       "Unit\u00E0 o disco",      "Unit or disc"},
    {Caption, "Norv_size",   "Label3",       "Margine di sicurezza (%)", "Safety margin (%)"},
    {Caption, "Norv_size",   "OK",           "OK",                      "OK"},
    {Caption, "Norv_size",   "Abort",        "Annulla",                 "Cancel"},
    // The units, then the discs, in the order the helper counts them.
    {Entry,   "Norv_size",   "sizeunit",     "bytes",                   "bytes"},
    {Entry,   "Norv_size",   "sizeunit",     "kB",                      "kB"},
    {Entry,   "Norv_size",   "sizeunit",     "KiB",                     "KiB"},
    {Entry,   "Norv_size",   "sizeunit",     "MB",                      "MB"},
    {Entry,   "Norv_size",   "sizeunit",     "MiB",                     "MiB"},
    {Entry,   "Norv_size",   "sizeunit",     "GB",                      "GB"},
    {Entry,   "Norv_size",   "sizeunit",     "GiB",                     "GiB"},
    {Entry,   "Norv_size",   "sizeunit",     "CD 650 MB",               "CD 650 MB"},
    {Entry,   "Norv_size",   "sizeunit",     "CD 700 MB",               "CD 700 MB"},
    {Entry,   "Norv_size",   "sizeunit",     "DVD singolo strato",      "DVD single layer"},
    {Entry,   "Norv_size",   "sizeunit",     "DVD doppio strato",       "DVD dual layer"},
    {Entry,   "Norv_size",   "sizeunit",     "BD 25 GB",                "BD 25 GB"},
    {Entry,   "Norv_size",   "sizeunit",     "BD 50 GB",                "BD 50 GB"},

    {Title,   "Norv_length", "",             "Lunghezza in h:mm:ss o fotogrammi", "Length in h:mm:ss or frames"},
    {Caption, "Norv_length", "Label1",       "Lunghezza",               "Length"},
    {Caption, "Norv_length", "Label2",       "Espressa in",             "Given in"},
    {Caption, "Norv_length", "Label3",       "FPS",                     "FPS"},
    {Caption, "Norv_length", "OK",           "OK",                      "OK"},
    {Caption, "Norv_length", "Abort",        "Annulla",                 "Cancel"},
    {Entry,   "Norv_length", "lengthunit",   "h:mm:ss",                 "h:mm:ss"},
    {Entry,   "Norv_length", "lengthunit",   "fotogrammi",              "frames"},

    {Title,   "Norv_retry",  "",             "Secondo tentativo",       "Second try"},
    {Caption, "Norv_retry",  "Label1",       "Dimensione reale del file", "Real size of the file"},
    {Caption, "Norv_retry",  "Label2",       "Unit\u00E0",              "Unit"},
    {Caption, "Norv_retry",  "OK",           "OK",                      "OK"},
    {Caption, "Norv_retry",  "Abort",        "Annulla",                 "Cancel"},
    {Entry,   "Norv_retry",  "realunit",     "bytes",                   "bytes"},
    {Entry,   "Norv_retry",  "realunit",     "kB",                      "kB"},
    {Entry,   "Norv_retry",  "realunit",     "KiB",                     "KiB"},
    {Entry,   "Norv_retry",  "realunit",     "MB",                      "MB"},
    {Entry,   "Norv_retry",  "realunit",     "MiB",                     "MiB"},
    {Entry,   "Norv_retry",  "realunit",     "GB",                      "GB"},
    {Entry,   "Norv_retry",  "realunit",     "GiB",                     "GiB"},
};
// clang-format on

} // namespace

std::span<const LanguageText> helperCaptions() { return kHelperTexts; }

} // namespace norv
