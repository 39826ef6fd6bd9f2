// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's entries of the planning helpers. A helper opens modal
// over the main window and types its value into a field as the user would;
// a frame rate from the list is typed in one edit; the plan and its command
// lines go to the clipboard.
#include "norv_main.h"
#include "plan_warnings.h"

#include "common/application.h"
#include "language_options/captions.h"
#include "language_options/norv_error.h"
#include "language_options/settings.h"
#include "planning/encoder_commands.h"
#include "planning/frame_rates.h"
#include "planning/norv_length.h"
#include "planning/norv_retry.h"
#include "planning/norv_size.h"
#include "planning/wording.h"

namespace norv {

void Norv_main::connectHelpers()
{
    sizehelper.Click = [this] { sizehelper_Click(); };
    lengthhelper.Click = [this] { lengthhelper_Click(); };
    rates.Click = [this](int index) { rates_Click(index); };
    secondtry.Click = [this] { secondtry_Click(); };
    copyplan.Click = [this] { copyplan_Click(); };
    copycommands.Click = [this] { copycommands_Click(); };
}

void Norv_main::sizehelper_Click() { application().form<planning::Norv_size>().open(); }

void Norv_main::lengthhelper_Click() { application().form<planning::Norv_length>().open(); }

void Norv_main::secondtry_Click() { application().form<planning::Norv_retry>().open(); }

// The fraction to Norv's fifteen digits, so that a rate such as 24000/1001
// need not be typed with its digits already around the point.
void Norv_main::rates_Click(int index)
{
    const planning::FrameRate rate = planning::kFrameRates.at(std::size_t(index));
    framerate.typeIn(planning::frameRateText(rate, application().numbers().locale()));
}

void Norv_main::copyplan_Click() { application().clipboard().setText(planning::planText(planSnapshot())); }

// Without a bitrate for every video and audio row there are no command
// lines: the error window says why, and the clipboard keeps what it held.
void Norv_main::copycommands_Click()
{
    const Language language = settings::shownLanguage(application().settings());
    const auto commands = planning::encoderCommands(planSnapshot(), language, application().numbers().locale());
    if (commands)
        application().clipboard().setText(*commands);
    else
        application().form<Norv_error>().showMessage(planning::message(commands.error(), language));
}

planning::PlanSnapshot Norv_main::planSnapshot() const
{
    const Application& app = application();
    planning::PlanSnapshot p;
    p.diskspace = {Label1.caption(), diskspace.text()};
    p.lenght = {Label2.caption(), lenght.text()};
    p.framerate = {Label9.caption(), framerate.text()};
    p.container = {Label3.caption(), containerselector.text()};
    // The Options window may be closed: its caption comes from the table.
    p.overhead = {captionOf("Norv_option", "overhead", settings::shownLanguage(app.settings())), {}};
    p.overheadOn = settings::overheadOn(app.settings());
    p.proportions = {Label4.caption(), prop1.text(), prop2.text()};
    p.multiples = {Label5.caption(), xdivisible.text(), ydivisible.text()};
    p.properror = {Label11.caption(), properror.text()};
    p.fwidth = {Label6.caption(), fwidth.text()};
    p.fheight = {Label10.caption(), fheight.text()};
    p.videoquality = {Label8.caption(), videoquality.text()};
    p.streamsLabel = Label7.caption();
    // The marks the window shows go with the text, so a pasted plan that
    // cannot be encoded says so too.
    const PlanWarnings warnings = planWarnings(*this);
    p.qualityWarning = warnings.quality;
    for (std::size_t i = 0; i < streamlist.items().size(); ++i)
        p.rows.push_back({streamlist.items()[i], streampercentual.items().at(i), streamdimension.items().at(i),
                          dimensiontype.items().at(i), warnings.row(int(i))});
    return p;
}

} // namespace norv
