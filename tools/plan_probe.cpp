// SPDX-License-Identifier: GPL-3.0-or-later
// Norv's plan for plan_vs_real.sh, made the way a user makes it, and the
// second try's target. Usage:
//   norv_plan_probe plan AVI|OGM DISKSPACE LENGTH FRAMERATE AUDIO_BITRATE
//     types the fields, switches the overhead on, picks the container, adds
//     the video at 100% and one audio stream by bitrate, double-clicks the
//     stream list, and prints the encoder command lines of that plan;
//   norv_plan_probe second-try PLANNED REAL
//     prints the corrected target in bytes.
#include "common/application.h"
#include "common/settings_store.h"
#include "language_options/norv_option.h"
#include "main_window/norv_main.h"
#include "main_window/program.h"
#include "planning/encoder_commands.h"
#include "planning/second_try.h"
#include "streams/add_stream.h"

#include <cstdlib>
#include <iostream>
#include <string>

using namespace norv;

namespace {

void addStream(Application& app, int type, int option, const std::string& value)
{
    app.find<Norv_main>()->AddStreamButton.userClick();
    AddStream& dialog = app.form<AddStream>();
    dialog.streamtype.userSelect(type);
    dialog.tipodimensione(option).userClick();
    if (!value.empty())
        dialog.dimensionestream.userEdit(value);
    dialog.Add.userClick();
}

planning::PlanSnapshot snapshot(Norv_main& m, Norv_option& options)
{
    planning::PlanSnapshot p;
    p.diskspace = {m.Label1.caption(), m.diskspace.text()};
    p.lenght = {m.Label2.caption(), m.lenght.text()};
    p.framerate = {m.Label9.caption(), m.framerate.text()};
    p.container = {m.Label3.caption(), m.containerselector.text()};
    p.overhead = {options.overhead.caption(), {}};
    p.overheadOn = options.overhead.value() == 1;
    for (int i = 0; i < m.streamlist.listCount(); ++i)
        p.rows.push_back({m.streamlist.item(i), m.streampercentual.item(i), m.streamdimension.item(i),
                          m.dimensiontype.item(i), {}});
    return p;
}

int plan(char** argv)
{
    MemorySettingsStore store;
    Application app(store, NumberLocale::point());
    Start(app);
    Norv_main& m = *app.find<Norv_main>();
    Norv_option& options = app.form<Norv_option>();

    m.diskspace.userEdit(argv[3]);
    m.lenght.userEdit(argv[4]);
    m.framerate.userEdit(argv[5]);
    options.overhead.userClick();
    m.containerselector.userSelect(std::string(argv[2]) == "AVI" ? 0 : 2);
    addStream(app, 0, 2, {});     // the video at 100%
    addStream(app, 1, 0, argv[6]); // the audio by bitrate
    m.streamlist.userDblClick();

    if (app.err()) {
        std::cerr << "Norv raised: " << app.err()->description() << "\n";
        return 1;
    }
    const auto commands = planning::encoderCommands(snapshot(m, options), Language::English,
                                                    app.numbers().locale());
    if (!commands) {
        std::cerr << planning::message(commands.error(), Language::English) << "\n";
        return 1;
    }
    std::cout << *commands;
    return 0;
}

int secondTry(char** argv)
{
    const auto attempt = planning::secondTry(argv[2], std::atoll(argv[3]), NumberLocale::point());
    if (!attempt) {
        std::cerr << planning::message(attempt.error(), Language::English) << "\n";
        return 1;
    }
    std::cerr << planning::secondTryText(*attempt, Language::English, NumberLocale::point());
    std::cout << attempt->target << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "plan" && argc == 7)
        return plan(argv);
    if (mode == "second-try" && argc == 4)
        return secondTry(argv);
    std::cerr << "usage: norv_plan_probe plan AVI|OGM DISKSPACE LENGTH FRAMERATE AUDIO_BITRATE\n"
                 "       norv_plan_probe second-try PLANNED REAL\n";
    return 2;
}
