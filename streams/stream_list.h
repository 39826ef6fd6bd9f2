// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/calculation_core.h"
#include "common/list_box.h"
#include "common/numbers.h"
#include "common/text_box.h"

#include <string>

namespace norv {

// The main window's controls the stream list works on: the four row-parallel
// working columns beside the always empty codec, and the fields that its
// highlight marks and its allocation reads.
struct StreamControls {
    ListBox& streamlist;       // stream type, the column the user clicks
    ListBox& codec;            // never touched
    ListBox& streampercentual; // percent share and "%", "" for a fixed stream
    ListBox& streamdimension;  // size value
    ListBox& dimensiontype;    // unit: "bit/s", "bytes", "" until allocated
    TextBox& diskspace;
    TextBox& lenght;
    ComboBox& containerselector;
};

// The streams that share the disk space, as rows of cell texts in four
// columns: opened to new rows by the Add Stream dialog, thinned by Remove,
// and given their bitrates by the percent share allocation. Every reader
// parses the cells again each time.
class StreamList : private FieldNumbers {
public:
    StreamList(const Numbers& numbers, CalculationCore& core, const StreamControls& controls);

    // A row typed exactly "Video".
    bool hasVideoRow();
    // One row in the four working columns at once, so they stay parallel.
    void appendStreamRow(const std::string& type, const std::string& percent, const std::string& size,
                         const std::string& unit);

    void RemoveStreamButton_Click();
    void streamlist_MouseDown();
    void streamlist_MouseUp();

    // The allocation.
    double TotalStreamPercent();
    double TotalStreamBitrate();
    void streamlist_DblClick();

private:
    void rescalePercentShares();
    void allocatePool(Real pool);

    CalculationCore& m_core;
    StreamControls m_c;
};

} // namespace norv
