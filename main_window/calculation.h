// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/calculation_core.h"
#include "common/maybe_number.h"
#include "common/numbers.h"

namespace norv {

class Application;
class Norv_main;

// The formulas of the core on numbers already read, so that a reading that
// must change nothing (the plan's warnings) computes exactly the same.
// The video bitrate of the "Video" rows' byte and bit/s sums over the length.
double videoBitrateOf(Real bytes, Real bits, double length);
// The container overhead in whole bytes: AVI by the frames, OGM by the disk space.
double aviOverhead(Real length, Real frameRate);
double ogmOverhead(Real diskSpace);

// The main window's calculation core: the refresh cycle that normalises the
// input fields and enables the quality controls, the video bitrate of the
// "Video" rows, and the container overhead. It works on the main window's
// fields and rows and keeps no state of its own.
class Calculation final : public CalculationCore, private FieldNumbers {
public:
    Calculation(Application& app, Norv_main& window);

    void ParseFields() override;
    double VideoBitrate() override;
    MaybeNumber ContainerOverhead() override;

private:
    Application& m_app;
    Norv_main& m_main;
};

} // namespace norv
