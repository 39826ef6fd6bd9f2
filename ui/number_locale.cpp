// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_locale.h"

#include <QLocale>

namespace norv::ui {

NumberLocale numberLocale(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

NumberLocale systemNumberLocale() { return numberLocale(QLocale::system()); }

} // namespace norv::ui
