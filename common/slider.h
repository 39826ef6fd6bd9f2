// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <cstdint>

namespace norv {

// A slider with Min <= Value <= Max at all times. A write outside the range
// is clamped silently; Change runs only when the value really changes, also
// when a lowered maximum (or raised minimum) moves it. A range that would be
// empty keeps one position: the far end is moved to the near one.
class Slider : public Control {
public:
    Slider(Window& window, std::string name, std::int32_t min, std::int32_t max, std::int32_t value);

    std::int32_t min() const { return m_min; }
    std::int32_t max() const { return m_max; }
    std::int32_t value() const { return m_value; }
    void setMin(std::int32_t min);
    void setMax(std::int32_t max);
    void setValue(std::int32_t value);

    const std::int32_t smallChange = 1;
    const std::int32_t largeChange = 5;

    Handler Change;

    // The user moved the slider (dragging, keys, clicks on the track).
    void userMove(std::int32_t value);

private:
    void moveInto();
    std::int32_t m_min;
    std::int32_t m_max;
    std::int32_t m_value;
};

} // namespace norv
