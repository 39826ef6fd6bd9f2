// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/number_locale.h"

class QLocale;

namespace norv::ui {

// The decimal and group separators of a locale, for the models.
NumberLocale numberLocale(const QLocale& locale);
// The user's own, read once at start.
NumberLocale systemNumberLocale();

} // namespace norv::ui
