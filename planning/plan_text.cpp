// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_text.h"

#include <initializer_list>

namespace norv::planning {

namespace {

std::string cell(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// A line of cells, and the warning as the last cell where there is one.
std::string line(std::initializer_list<std::string> cells, const std::string& warning = {})
{
    std::string out;
    for (const std::string& c : cells)
        out += (&c == cells.begin() ? "" : "\t") + cell(c);
    if (!warning.empty())
        out += "\t" + cell(warning);
    return out + "\n";
}

} // namespace

std::string planText(const PlanSnapshot& p)
{
    std::string out = line({p.diskspace.label, p.diskspace.text, "bytes"}) +
                      line({p.lenght.label, p.lenght.text, "s"}) +
                      line({p.framerate.label, p.framerate.text, "fps"}) +
                      line({p.container.label, p.container.text}) +
                      line({p.overhead.label, p.overheadOn ? "1" : "0"}) +
                      line({p.proportions.label, p.proportions.first, p.proportions.second}) +
                      line({p.multiples.label, p.multiples.first, p.multiples.second, "pixel"}) +
                      line({p.properror.label, p.properror.text}) +
                      line({p.fwidth.label, p.fwidth.text, "pixel"}) +
                      line({p.fheight.label, p.fheight.text, "pixel"}) +
                      line({p.videoquality.label, p.videoquality.text, "bit / (pixel * fps) [x 10000]"},
                           p.qualityWarning) +
                      line({p.streamsLabel});
    for (const PlanSnapshot::Row& r : p.rows)
        out += line({r.type, r.percent, r.size, r.unit}, r.warning);
    return out;
}

} // namespace norv::planning
