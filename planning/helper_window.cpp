// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper_window.h"

#include "wording.h"

#include "common/application.h"
#include "language_options/settings.h"

namespace norv::planning {

HelperWindow::HelperWindow(Application& app, std::string name, std::string caption)
    : Window(app, std::move(name), std::move(caption))
{
}

Language HelperWindow::language() const
{
    return settings::shownLanguage(application().settings());
}

void HelperWindow::Form_Load() { applyCaptions(*this, language()); }

void HelperWindow::refuse(Label& message, InputError error)
{
    message.setCaption(planning::message(error, language()));
}

void HelperWindow::typeInto(TextBox& field, std::string text)
{
    hide();
    field.typeIn(std::move(text));
}

} // namespace norv::planning
