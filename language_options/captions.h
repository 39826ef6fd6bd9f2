// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norv {

class Application;

enum class Language { Italian, English };

// Writes the captions, titles and tool-tips of the Options window, the main
// window, the error window and the Add Stream dialog in one language, and
// refills the dialog's type list. The About window is the same in both.
void applyLanguage(Application& app, Language language);

class Norv_error;
// The error window's own captions, for a window created again after the
// language was applied.
void applyCaptions(Norv_error& window, Language language);

} // namespace norv
