// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_error.h"

#include "about_form.h"
#include "captions.h"
#include "settings.h"

#include "common/application.h"

namespace norv {

Norv_error::Norv_error(Application& app) : Window(app, std::string(kName), "Norv errore")
{
    Annulla.setEnabled(false); // nothing in the program enables it
    Termina.Click = [this] { Termina_Click(); };
    Riprendi.Click = [this] { Riprendi_Click(); };
    Annulla.Click = [this] { Annulla_Click(); };
}

void Norv_error::Form_Load()
{
    applyCaptions(*this, settings::shownLanguage(application().settings()));
}

void Norv_error::showMessage(const std::string& message)
{
    show();
    errordescription.setCaption(message);
}

// Closes every window; the program ends with the last one.
void Norv_error::Termina_Click()
{
    Application& app = application();
    app.unload(AboutForm::kName);
    app.unload("AddStream");
    app.unload("Norv_main");
    app.unload(kName);
}

void Norv_error::Riprendi_Click() { hide(); }

void Norv_error::Annulla_Click() { hide(); }

} // namespace norv
