// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace norv {

class Application;

enum class Language { Italian, English };

// One text that follows the language: a control's caption or tool-tip, a
// window's title, or an entry of a drop-down list.
struct LanguageText {
    enum Kind { Caption, ToolTip, Title, Entry };
    Kind kind;
    const char* window;
    const char* control; // "" for the window's title
    const char* italian;
    const char* english;

    const char* in(Language language) const { return language == Language::Italian ? italian : english; }
};

// Every text the language operation writes, window by window, in the order
// it writes them: the Options window, the main window, the error window,
// the Add Stream dialog and its list of stream types. The About window is
// the same in both languages.
std::span<const LanguageText> captions();

// The texts of the planning helpers, written after those: their entries in
// the main window's context menus, and their windows, each only while it
// exists (a helper window gets its texts when it is made).
std::span<const LanguageText> helperCaptions();

// The text of one control (its caption, or tool-tip where that is what
// follows the language) or, for control "", the window's title.
const char* captionOf(std::string_view window, std::string_view control, Language language);

// The word that tells apart two inputs under one label, for screen readers:
// the width and height fields of one ratio, a field and its slider, the
// columns of the stream list.
enum class InputPart { Width, Height, Slider, Codec, Percent, Size, Unit };
const char* partWord(InputPart part, Language language);

// The warnings of a plan that cannot be encoded, with %1, %2 and %3 where
// the numbers go: a stream row with no bitrate left (the disk space too
// small, taken whole, or raised since the last sharing out), and a quality
// figure with no bitrate or no frame behind it.
enum class PlanWarningText { TooSmall, NothingLeft, NotSharedOut, NoBitrate, NoFrame };
const char* planWarningText(PlanWarningText text, Language language);

// Writes every text of the table in one language, into each window named
// (creating it, hidden, where it does not exist yet), then the helpers'
// texts into the windows that exist; the drop-down lists are emptied and
// filled again.
void applyLanguage(Application& app, Language language);

class Window;
// One window's own texts, for a window created again after the language
// was applied.
void applyCaptions(Window& window, Language language);

} // namespace norv
