// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "norv_main.h"

#include "common/application.h"
#include "language_options/about_form.h"
#include "language_options/norv_error.h"
#include "language_options/norv_option.h"
#include "streams/add_stream.h"

namespace norv {

void RegisterWindows(Application& app)
{
    app.registerWindow<Norv_main>();
    app.registerWindow<Norv_option>();
    app.registerWindow<Norv_error>();
    app.registerWindow<AboutForm>();
    // The dialog works on the main window's parts, which the main window hands over.
    app.registerWindow(std::string(AddStream::kName), [](Application& a) {
        return std::make_unique<AddStream>(a, a.form<Norv_main>().addStreamLinks());
    });
}

void Start(Application& app)
{
    RegisterWindows(app);
    app.reportRunTimeError = [&app] {
        if (auto* main = app.find<Norv_main>())
            main->ReportRunTimeError();
    };
    // The marks follow every change: each event ends with them brought up to date.
    app.eventEnded.subscribe([&app] {
        if (auto* main = app.find<Norv_main>())
            main->refreshWarnings();
    });
    app.dispatch([&app] { app.form<Norv_main>(); });
}

} // namespace norv
