// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maybe_number.h"

namespace norv {

// What the parts of the main window ask of its calculation core: the refresh
// cycle that normalises the fields, the video bitrate and the container
// overhead. The main window's folder supplies it; the parts never see it.
class CalculationCore {
public:
    virtual void ParseFields() = 0;
    virtual double VideoBitrate() = 0;
    virtual MaybeNumber ContainerOverhead() = 0;

protected:
    ~CalculationCore() = default;
};

} // namespace norv
