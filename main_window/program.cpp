// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "norv_main.h"

#include "common/application.h"
#include "language_options/about_form.h"
#include "language_options/norv_error.h"
#include "language_options/norv_option.h"
#include "planning/norv_length.h"
#include "planning/norv_retry.h"
#include "planning/norv_size.h"
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
    // The planning helpers type into the main window's fields, which it hands over.
    app.registerWindow(std::string(planning::Norv_size::kName), [](Application& a) {
        return std::make_unique<planning::Norv_size>(a, a.form<Norv_main>().diskspace);
    });
    app.registerWindow(std::string(planning::Norv_length::kName), [](Application& a) {
        Norv_main& main = a.form<Norv_main>();
        return std::make_unique<planning::Norv_length>(a, main.lenght, main.framerate);
    });
    app.registerWindow(std::string(planning::Norv_retry::kName), [](Application& a) {
        return std::make_unique<planning::Norv_retry>(a, a.form<Norv_main>().diskspace);
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
