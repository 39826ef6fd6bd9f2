// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace norv::ui {

// Turns design positions in twips (1440 to the inch) into pixels: at the
// screen's logical resolution, and no smaller than the user's font needs for
// the tightest texts of the design to fit their places.
class Twips {
public:
    static void calibrate(const QWidget& reference);
    static int px(int twips);
    static QRect rect(int left, int top, int width, int height);

private:
    static double s_scale;
};

} // namespace norv::ui
