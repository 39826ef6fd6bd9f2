// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "event.h"
#include "numbers.h"
#include "run_time_error.h"
#include "settings_store.h"
#include "window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace norv {

// The running program: its windows (each at most once, created hidden on
// first reference, destroyed by closing), the settings store, the user's
// number notation, and the one boundary through which every user event
// reaches a handler.
class Application {
public:
    Application(SettingsStore& settings, NumberLocale locale);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    SettingsStore& settings() const { return m_settings; }
    const Numbers& numbers() const { return m_numbers; }

    // The window W, created hidden on first reference; its load step runs then.
    template <class W>
    W& form()
    {
        if (W* existing = find<W>())
            return *existing;
        auto owned = std::make_unique<W>(*this);
        W& w = *owned;
        m_windows.push_back(std::move(owned));
        load(w);
        return w;
    }

    // The window W if it exists, without creating it.
    template <class W>
    W* find() const
    {
        for (const auto& w : m_windows)
            if (auto* p = dynamic_cast<W*>(w.get()))
                return p;
        return nullptr;
    }

    // Closes W if it exists: its unload step runs, then it is destroyed.
    template <class W>
    void unload()
    {
        if (W* w = find<W>())
            unload(*w);
    }
    void unload(Window& window);

    std::vector<Window*> windows() const;
    // The program ends when no window is left.
    bool running() const { return !m_windows.empty(); }

    // Runs one user event. A run-time error raised inside it is recorded as
    // the current error and reported; the writes made before it stay. Events
    // that arise while one is running are echoes of the program's own writes
    // into the toolkit and are dropped.
    void dispatch(const std::function<void()>& action);
    bool dispatching() const { return m_dispatching; }
    // The current run-time error: the last one raised through the boundary.
    const std::optional<RunTimeError>& err() const { return m_err; }
    // Who reports a run-time error (the main window, once it exists).
    std::function<void()> reportRunTimeError;

    // What the program has done so far, for benchmarks and the fuzzer.
    struct Statistics {
        std::uint64_t changeEvents = 0;  // Change handlers run by writes
        std::uint64_t refreshCycles = 0; // runs of the main window's refresh cycle
        std::uint64_t cellReads = 0;     // list item texts read
        int deepestNesting = 0;          // of events inside events
    };
    Statistics& statistics() { return m_statistics; }

    Event<Window&> windowCreated;   // after its load step
    Event<Window&> windowDestroyed; // when it is closed
    Event<> ended;                  // the last window closed

private:
    friend class EventDepth;
    void load(Window& window);
    void report(const RunTimeError& error);
    void release();

    SettingsStore& m_settings;
    Numbers m_numbers;
    std::vector<std::unique_ptr<Window>> m_windows;
    // Closed windows live until the event that closed them has returned:
    // a handler may close its own window.
    std::vector<std::unique_ptr<Window>> m_closed;
    std::vector<Window*> m_unloading;
    std::optional<RunTimeError> m_err;
    bool m_dispatching = false;
    int m_eventDepth = 0;
    Statistics m_statistics;
};

// Counts nested events; a chain deeper than kMaxDepth raises
// OutOfStackSpace instead of exhausting the real stack.
class EventDepth {
public:
    static constexpr int kMaxDepth = 256;
    explicit EventDepth(Application& app);
    ~EventDepth() { --m_app.m_eventDepth; }
    EventDepth(const EventDepth&) = delete;
    EventDepth& operator=(const EventDepth&) = delete;

private:
    Application& m_app;
};

} // namespace norv
