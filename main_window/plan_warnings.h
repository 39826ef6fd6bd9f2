// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace norv {

class Norv_main;

// What the main window shows that cannot be encoded, and the figures that
// say why. Read from the texts as the refresh cycle and the allocation would
// find them, without writing a text or raising an event; a text that cannot
// be read so (a number beyond range) leaves everything unmarked.
struct PlanFindings {
    // A percent row whose allocated bitrate is 0 or below: the disk space
    // is too small for the fixed streams and the overhead; or they take it
    // whole; or it has grown since the last allocation and would now leave
    // the row a bitrate.
    enum class Row { Fine, TooSmall, NothingLeft, NotSharedOut };
    // A quality figure shown over a bitrate of 0 or below (the video row's
    // own mark, where it has one) or over a frame of 0 or below.
    enum class Quality { Fine, AsVideoRow, NoBitrate, NoFrame };

    std::vector<Row> rows; // one per stream row
    Quality quality = Quality::Fine;
    int videoRow = -1;

    // Set where a row is marked. fits: the disk space the fixed streams and
    // the container overhead need, as the disk-space double-click sums them
    // (where the overhead grows with the disk space, the smallest whole disk
    // space that leaves them room). disk: the disk space typed.
    double fits = 0;
    double disk = 0;
    // Set where the figure is marked: what lies behind it.
    double bitrate = 0;
    double width = 0;
    double height = 0;
};

PlanFindings readPlanFindings(const Norv_main& window);

// The same as texts in the language shown, "" where there is nothing to say:
// what the plan text copies, and what the window marks.
struct PlanWarnings {
    std::vector<std::string> rows; // one per stream row, or none when nothing is marked
    std::string quality;

    // The warning of a stream row: "" where there is none.
    const std::string& row(int index) const;
};

PlanWarnings planWarnings(const Norv_main& window);

} // namespace norv
