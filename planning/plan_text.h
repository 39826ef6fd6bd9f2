// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace norv::planning {

// What the main window shows, copied out plainly: each label as the window
// shows it (so the text is in the shown language), each field's text as it
// stands. The window fills it; nothing here reads a window.
struct PlanSnapshot {
    struct Field {
        std::string label;
        std::string text;
    };
    struct Pair {
        std::string label;
        std::string first;
        std::string second;
    };
    struct Row {
        std::string type, percent, size, unit; // the four cells
        std::string warning;                   // "" when the row can be encoded
    };

    Field diskspace, lenght, framerate, container;
    Field overhead;             // the Options window's check box caption; text unused
    bool overheadOn = false;
    Pair proportions;           // prop1, prop2
    Pair multiples;             // xdivisible, ydivisible
    Field properror;            // its text carries its "%"
    Field fwidth, fheight;
    Field videoquality;
    std::string qualityWarning; // "" when the figure means something
    std::string streamsLabel;   // the heading of the stream list
    std::vector<Row> rows;
};

// One line per field and per stream row, cells separated by tabs so that it
// pastes into a spreadsheet: label, value(s), unit, and a warning where there
// is one. Tabs and line breaks inside a text become blanks.
std::string planText(const PlanSnapshot& plan);

} // namespace norv::planning
