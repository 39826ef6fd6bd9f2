// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_option.h"

#include "captions.h"
#include "settings.h"

#include "common/application.h"
#include "common/control.h"

#include <string>

namespace norv {

Norv_option::Norv_option(Application& app) : Window(app, std::string(kName), "Opzioni")
{
    lingua.Click = [this](int index) { lingua_Click(std::int16_t(index)); };
    overhead.Click = [this] { overhead_Click(); };
}

// Shows the stored settings each time the window is created.
void Norv_option::Form_Load()
{
    SettingsStore& store = application().settings();
    lingua_Click(settings::italian(store) ? 0 : 1);
    if (settings::overheadOn(store)) {
        overhead.setValue(1);
        overhead_Click(); // as a click would: a stored " 1" is written back as "1"
    }
}

void Norv_option::lingua_Click(std::int16_t index)
{
    if (index != 0 && index != 1)
        return;
    settings::save(application().settings(), settings::kLanguage,
                   index == 0 ? settings::kItalian : settings::kEnglish);
    lingua(1 - index).setValue(false);
    lingua(index).setValue(true);
    applyLanguage(application(), index == 0 ? Language::Italian : Language::English);
}

// Takes effect at the next overhead computation, which reads the store afresh.
void Norv_option::overhead_Click()
{
    const int value = overhead.value();
    settings::save(application().settings(), settings::kOverhead, std::to_string(value));
    application().form("Norv_main").named("containerselector").setEnabled(value == 1);
}

} // namespace norv
