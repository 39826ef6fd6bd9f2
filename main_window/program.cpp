// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "norv_main.h"

#include "common/application.h"

namespace norv {

void Start(Application& app)
{
    app.reportRunTimeError = [&app] {
        if (auto* main = app.find<Norv_main>())
            main->ReportRunTimeError();
    };
    app.dispatch([&app] { app.form<Norv_main>(); });
}

} // namespace norv
