// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_main.h"

#include "common/application.h"
#include "language_options/about_form.h"
#include "language_options/norv_error.h"
#include "language_options/norv_option.h"
#include "language_options/settings.h"
#include "planning/norv_length.h"
#include "planning/norv_retry.h"
#include "planning/norv_size.h"
#include "streams/add_stream.h"

namespace norv {

// Every text written here runs that field's change handling when it differs,
// so the refresh cycle and the geometry handlers run several times; the
// window ends in the state they leave after the last write.
void Norv_main::Form_Load()
{
    // The toolkit's sliders show no value tip while dragged: nothing to switch off.
    fillContainerList();
    writeStartTexts();
    maxwidth = 2000;
    maxheight = 2000;
    framerate.setText("25");
    setSliders();
    properror.setText("0%");

    show();
    diskspace.setFocus();

    applyStoredLanguage();
    applyStoredOverhead();
}

void Norv_main::fillContainerList()
{
    containerselector.addItem("AVI", 0);
    containerselector.addItem("", 1);
    containerselector.addItem("OGM", 2);
    containerselector.setListIndex(0);
}

void Norv_main::writeStartTexts()
{
    xdivisible.setText("1");
    ydivisible.setText("1");
    fwidth.setText("720");
    fheight.setText("576");
    diskspace.setText("0");
    lenght.setText("0");
    prop1.setText("720");
    prop2.setText("576");
    videoquality.setText("0");
}

// Both maximums, then both positions, then both minimums.
void Norv_main::setSliders()
{
    fwidths.setMax(ToLong(maxwidth.number()));
    fheights.setMax(maxheight);
    fwidths.setValue(720);
    fheights.setValue(576);
    fwidths.setMin(1);
    fheights.setMin(1);
}

// The Options window comes into existence here, hidden, and applies the
// same language once more in its own load step.
void Norv_main::applyStoredLanguage()
{
    SettingsStore& store = application().settings();
    if (settings::italian(store)) {
        application().form<Norv_option>().lingua_Click(0);
    } else {
        settings::save(store, settings::kLanguage, settings::kEnglish);
        application().form<Norv_option>().lingua_Click(1);
    }
}

void Norv_main::applyStoredOverhead()
{
    SettingsStore& store = application().settings();
    if (settings::overheadOn(store)) {
        containerselector.setEnabled(true);
    } else {
        settings::save(store, settings::kOverhead, "0");
        containerselector.setEnabled(false);
    }
}

void Norv_main::Form_Unload()
{
    application().unload<AddStream>();
    application().unload<AboutForm>();
    application().unload<Norv_error>();
    application().unload<Norv_option>();
    // The helpers too: no window may outlive the main one, or Norv would not end.
    application().unload<planning::Norv_size>();
    application().unload<planning::Norv_length>();
    application().unload<planning::Norv_retry>();
}

} // namespace norv
