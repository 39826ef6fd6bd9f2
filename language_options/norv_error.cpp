// SPDX-License-Identifier: GPL-3.0-or-later
#include "norv_error.h"

#include "about_form.h"
#include "captions.h"
#include "settings.h"
#include "common/application.h"
#include "main_window/norv_main.h"
#include "streams/add_stream.h"

namespace norv {

Norv_error::Norv_error(Application& app) : Window(app, "Norv_error", "Norv errore")
{
    Annulla.setEnabled(false); // nothing in the program enables it
    Termina.Click = [this] { Termina_Click(); };
    Riprendi.Click = [this] { Riprendi_Click(); };
    Annulla.Click = [this] { Annulla_Click(); };
}

void Norv_error::Form_Load()
{
    applyCaptions(*this, settings::italian(application().settings()) ? Language::Italian : Language::English);
}

void Norv_error::showMessage(const std::string& message)
{
    show();
    errordescription.setCaption(message);
}

// Closes every window; the program ends with the last one.
void Norv_error::Termina_Click()
{
    application().unload<AboutForm>();
    application().unload<AddStream>();
    application().unload<Norv_main>();
    application().unload<Norv_error>();
}

void Norv_error::Riprendi_Click() { hide(); }

void Norv_error::Annulla_Click() { hide(); }

} // namespace norv
