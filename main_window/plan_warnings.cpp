// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_warnings.h"
#include "plan_reading.h"

#include "norv_main.h"

#include "common/application.h"
#include "language_options/captions.h"
#include "language_options/settings.h"

#include <initializer_list>

namespace norv {

namespace {

using Row = PlanFindings::Row;
using Quality = PlanFindings::Quality;

void findQuality(const PlanReader& r, PlanFindings& f)
{
    if (!atLeastOne(r.m.videoquality.text()) && r.field(r.m.videoquality) == 0)
        return; // no figure shown
    Real bytes = 0;
    Real bits = 0;
    for (std::size_t i = 0; i < r.rows(); ++i) {
        if (r.types[i] != "Video")
            continue;
        f.videoRow = int(i);
        (r.units[i] == "bytes" ? bytes : bits) += r.cell(r.sizes[i]);
    }
    f.bitrate = videoBitrateOf(bytes, bits, r.field(r.m.lenght));
    if (f.bitrate <= 0) {
        f.quality = f.videoRow >= 0 && f.rows[std::size_t(f.videoRow)] != Row::Fine ? Quality::AsVideoRow
                                                                                     : Quality::NoBitrate;
    } else if (!atLeastOne(r.m.fwidth.text()) || !atLeastOne(r.m.fheight.text())) {
        f.width = r.field(r.m.fwidth);
        f.height = r.field(r.m.fheight);
        if (f.width <= 0 || f.height <= 0)
            f.quality = Quality::NoFrame;
    }
}

PlanFindings find(const Norv_main& m)
{
    const PlanReader r(m);
    PlanFindings f;
    if (!r.parallel())
        return f;
    f.rows.assign(r.rows(), Row::Fine);
    bool starved = false;
    for (std::size_t i = 0; i < r.rows(); ++i) {
        if (r.starved(i)) {
            f.rows[i] = Row::TooSmall;
            starved = true;
        }
    }
    if (starved) {
        const Budget budget(r);
        f.fits = budget.fits();
        f.disk = budget.disk;
        for (std::size_t i = 0; i < r.rows(); ++i) {
            if (f.rows[i] == Row::Fine || f.fits > f.disk)
                continue;
            f.rows[i] = budget.shareNow(i) > 0 ? Row::NotSharedOut : Row::NothingLeft;
        }
    }
    findQuality(r, f);
    return f;
}

// A text of the table with its numbers in place of %1, %2...
std::string filled(PlanWarningText which, Language language, std::initializer_list<std::string> numbers)
{
    std::string text = planWarningText(which, language);
    char mark = '1';
    for (const std::string& number : numbers) {
        const std::string placeholder = {'%', mark++};
        if (const auto at = text.find(placeholder); at != std::string::npos)
            text.replace(at, placeholder.size(), number);
    }
    return text;
}

std::string rowText(const PlanFindings& f, Row row, Language language, const Numbers& n)
{
    switch (row) {
    case Row::TooSmall:
        return filled(PlanWarningText::TooSmall, language, {n.NumberText(f.fits - f.disk), n.NumberText(f.fits)});
    case Row::NothingLeft:
        return filled(PlanWarningText::NothingLeft, language, {n.NumberText(f.fits), n.NumberText(f.disk)});
    case Row::NotSharedOut:
        return filled(PlanWarningText::NotSharedOut, language, {n.NumberText(f.disk), n.NumberText(f.fits)});
    case Row::Fine:
        break;
    }
    return {};
}

} // namespace

PlanFindings readPlanFindings(const Norv_main& window)
{
    try {
        return find(window);
    } catch (const RunTimeError&) {
        PlanFindings none;
        none.rows.assign(window.streamlist.items().size(), Row::Fine);
        return none;
    }
}

const std::string& PlanWarnings::row(int index) const
{
    static const std::string none;
    return index >= 0 && std::size_t(index) < rows.size() ? rows[std::size_t(index)] : none;
}

PlanWarnings planWarnings(const Norv_main& window)
{
    const PlanFindings f = readPlanFindings(window);
    PlanWarnings w;
    bool any = f.quality != Quality::Fine;
    for (Row row : f.rows)
        any = any || row != Row::Fine;
    if (!any)
        return w; // the common case: no row text at all, no setting read
    w.rows.resize(f.rows.size());
    const Language language = settings::shownLanguage(window.application().settings());
    const Numbers& n = window.application().numbers();
    try {
        // Rows of one kind share their text: each is written once.
        std::string texts[4];
        bool written[4] = {};
        for (std::size_t i = 0; i < f.rows.size(); ++i) {
            const auto kind = std::size_t(f.rows[i]);
            if (!written[kind]) {
                texts[kind] = rowText(f, f.rows[i], language, n);
                written[kind] = true;
            }
            w.rows[i] = texts[kind];
        }
        switch (f.quality) {
        case Quality::AsVideoRow:
            w.quality = w.rows[std::size_t(f.videoRow)];
            break;
        case Quality::NoBitrate:
            w.quality = filled(PlanWarningText::NoBitrate, language, {n.NumberText(f.bitrate)});
            break;
        case Quality::NoFrame:
            w.quality = filled(PlanWarningText::NoFrame, language, {n.NumberText(f.width), n.NumberText(f.height)});
            break;
        case Quality::Fine:
            break;
        }
    } catch (const RunTimeError&) {
        return {};
    }
    return w;
}

void Norv_main::refreshWarnings()
{
    PlanWarnings warnings = planWarnings(*this);
    for (ListBox* column : {&streamlist, &streampercentual, &streamdimension, &dimensiontype})
        column->setItemWarnings(warnings.rows);
    videoquality.setWarning(std::move(warnings.quality));
}

} // namespace norv
