// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/application.h"
#include "common/settings_store.h"
#include "main_window/norv_main.h"
#include "main_window/program.h"

#include <benchmark/benchmark.h>

#include <string>

namespace norv::bench {

// A started program over an in-memory store.
class Program {
public:
    Program() { Start(app); }
    Norv_main& main() { return *app.find<Norv_main>(); }

    void addRow(const std::string& type, const std::string& percent, const std::string& size,
                const std::string& unit)
    {
        main().appendStreamRow(type, percent, size, unit);
    }

    MemorySettingsStore store;
    Application app{store, NumberLocale::point()};
};

// Reports how many change events and refresh cycles one action causes.
class WorkCounters {
public:
    WorkCounters(benchmark::State& state, Application& app)
        : m_state(state), m_app(app), m_start(app.statistics())
    {
    }
    ~WorkCounters()
    {
        const auto& now = m_app.statistics();
        using benchmark::Counter;
        m_state.counters["changes"] = Counter(double(now.changeEvents - m_start.changeEvents), Counter::kAvgIterations);
        m_state.counters["refreshes"] =
            Counter(double(now.refreshCycles - m_start.refreshCycles), Counter::kAvgIterations);
        m_state.counters["cells"] = Counter(double(now.cellReads - m_start.cellReads), Counter::kAvgIterations);
        m_state.counters["nesting"] = now.deepestNesting;
    }
    WorkCounters(const WorkCounters&) = delete;
    WorkCounters& operator=(const WorkCounters&) = delete;

private:
    benchmark::State& m_state;
    Application& m_app;
    Application::Statistics m_start;
};

} // namespace norv::bench
