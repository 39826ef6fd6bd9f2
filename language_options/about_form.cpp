// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_form.h"

#include "norv_version.h"

#include <string>

namespace norv {

AboutForm::AboutForm(Application& app) : Window(app, std::string(kName), "About Norv") {}

void AboutForm::Form_Load()
{
    version.setCaption(std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + " build " +
                       std::to_string(kVersionRevision));
}

} // namespace norv
