// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace norv::ui {

double Twips::s_scale = 96.0 / 1440.0;

void Twips::calibrate(const QWidget& reference)
{
    const double dpi = reference.logicalDpiX() / 1440.0;
    // "Errore proporzioni" in a label 1335 twips wide is the design's tightest
    // fit; a label needs a few pixels beside its text.
    const QFontMetrics metrics(reference.font());
    const double font = (metrics.horizontalAdvance(QStringLiteral("Errore proporzioni")) + 6) / 1335.0;
    s_scale = std::max(dpi, font);
}

int Twips::px(int twips) { return int(std::lround(twips * s_scale)); }

QRect Twips::rect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace norv::ui
