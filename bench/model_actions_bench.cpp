// SPDX-License-Identifier: GPL-3.0-or-later
// One user action each, through the window models and the event boundary,
// with the whole chain of nested change events it sets off.
#include "program.h"

#include "language_options/norv_option.h"
#include "streams/add_stream.h"

namespace norv::bench {
namespace {

// Multiples of 16 and a video bitrate: the state of the worked examples.
void planFrame(Program& p)
{
    p.main().xdivisible.setText("16");
    p.main().ydivisible.setText("16");
    p.addRow("Video", "", "1000000", "bit/s");
    p.main().ParseFields();
}

void WidthKeystroke(benchmark::State& state)
{
    Program p;
    planFrame(p);
    TextBox& fwidth = p.main().fwidth;
    fwidth.setFocus();
    fwidth.userEdit("704");
    WorkCounters counters(state, p.app);
    bool typed = false;
    for (auto _ : state) {
        // A digit typed, then taken back: each is one keystroke's edit.
        const std::string& text = fwidth.text();
        fwidth.userEdit(typed ? text.substr(0, text.size() - 1) : text + "1");
        typed = !typed;
    }
}
BENCHMARK(WidthKeystroke);

void SliderStep(benchmark::State& state)
{
    Program p;
    planFrame(p);
    Norv_main& m = p.main();
    Slider* sliders[] = {&m.fwidths, &m.fheights, &m.videoqualitys};
    Slider& slider = *sliders[state.range(0)];
    slider.setFocus();
    slider.userMove(slider.min() + 20);
    WorkCounters counters(state, p.app);
    int step = 1;
    for (auto _ : state) {
        slider.userMove(slider.value() + step);
        step = -step;
    }
    state.SetLabel(slider.name());
}
BENCHMARK(SliderStep)->DenseRange(0, 2);

void TypedQualityFigure(benchmark::State& state)
{
    Program p;
    planFrame(p);
    TextBox& quality = p.main().videoquality;
    quality.setFocus();
    WorkCounters counters(state, p.app);
    bool first = true;
    for (auto _ : state) {
        quality.userEdit(first ? "1220.703125" : "1015");
        first = !first;
    }
}
BENCHMARK(TypedQualityFigure);

void RefreshCycleOnNormalisedWindow(benchmark::State& state)
{
    Program p;
    planFrame(p);
    WorkCounters counters(state, p.app);
    for (auto _ : state)
        p.main().ParseFields();
}
BENCHMARK(RefreshCycleOnNormalisedWindow);

void LanguageSwitch(benchmark::State& state)
{
    Program p;
    auto& options = p.app.form<Norv_option>();
    WorkCounters counters(state, p.app);
    std::int16_t language = 0;
    for (auto _ : state) {
        options.lingua_Click(language);
        language = std::int16_t(1 - language);
    }
}
BENCHMARK(LanguageSwitch);

void AddStreamFlow(benchmark::State& state)
{
    Program p;
    Norv_main& m = p.main();
    auto& dialog = p.app.form<AddStream>();
    WorkCounters counters(state, p.app);
    for (auto _ : state) {
        m.AddStreamButton.userClick();
        dialog.dimensionestream.userEdit("128000");
        dialog.Add.userClick();
        state.PauseTiming(); // keep the list short
        m.streamlist.userSelect(m.streamlist.listCount() - 1);
        m.RemoveStreamButton.userClick();
        state.ResumeTiming();
    }
}
BENCHMARK(AddStreamFlow);

} // namespace
} // namespace norv::bench
