// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace norv::ui {

double Twips::s_scale = 96.0 / 1440.0;

namespace {

// The design lets neighbours overlap by 15 twips, one pixel of its screen,
// so that two borders share a line. At a larger scale that overlap would
// hide whole borders: on screen each control ends where the shared pixel
// began, and neighbours abut.
constexpr int kSharedBorder = 15;

} // namespace

void Twips::calibrate(const QWidget& reference)
{
    // The design's tightest fits: a label caption, a share in the narrow
    // percent column, a quality figure of 15 digits in its field; each needs
    // a few pixels of frame and margin beside its text.
    struct Fit {
        const char* text;
        int twips;
        int margin;
    };
    static constexpr Fit kFits[] = {
        {"Errore proporzioni", 1335, 6},
        {"100%", 495, 14},
        {"1171.1572265625", 1335, 14},
    };
    const QFontMetrics metrics(reference.font());
    double scale = reference.logicalDpiX() / 1440.0;
    for (const Fit& fit : kFits)
        scale = std::max(scale, (metrics.horizontalAdvance(QLatin1String(fit.text)) + fit.margin + 1) /
                                    double(fit.twips - kSharedBorder));
    s_scale = scale;
}

int Twips::px(int twips) { return int(std::lround(twips * s_scale)); }

QRect Twips::rect(int left, int top, int width, int height)
{
    const QPoint topLeft(px(left), px(top));
    return {topLeft, QPoint(px(left + width - kSharedBorder) - 1, px(top + height - kSharedBorder) - 1)};
}

} // namespace norv::ui
