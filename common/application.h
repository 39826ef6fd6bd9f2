// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clipboard.h"
#include "event.h"
#include "numbers.h"
#include "run_time_error.h"
#include "settings_store.h"
#include "window.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
    // The clipboard: a private one until the desktop hands in its own.
    Clipboard& clipboard() const { return *m_clipboard; }
    void useClipboard(Clipboard& clipboard) { m_clipboard = &clipboard; }

    // Windows are known by name: whoever names one needs no sight of its
    // class. The program registers how each is made before the first is.
    using WindowFactory = std::function<std::unique_ptr<Window>(Application&)>;
    void registerWindow(std::string name, WindowFactory make);
    template <class W>
    void registerWindow()
    {
        registerWindow(std::string(W::kName), [](Application& app) { return std::make_unique<W>(app); });
    }

    // The window of that name, created hidden on first reference; its load
    // step runs then.
    Window& form(std::string_view name);
    // The window of that name if it exists, without creating it.
    Window* find(std::string_view name) const;
    // Closes the window of that name if it exists: its unload step runs,
    // then it is destroyed.
    void unload(std::string_view name);
    void unload(Window& window);

    // The same for a caller that may see the window's class.
    template <class W>
    W& form()
    {
        return dynamic_cast<W&>(form(W::kName));
    }
    template <class W>
    W* find() const
    {
        return dynamic_cast<W*>(find(W::kName));
    }
    template <class W>
    void unload()
    {
        unload(W::kName);
    }

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
    // A user event has run to its end (a run-time error reported included):
    // what is derived from the whole state, and only shown, follows here.
    Event<> eventEnded;

private:
    friend class EventDepth;
    void load(Window& window);
    void report(const RunTimeError& error);
    void release();

    SettingsStore& m_settings;
    Numbers m_numbers;
    MemoryClipboard m_ownClipboard;
    Clipboard* m_clipboard = &m_ownClipboard;
    std::map<std::string, WindowFactory, std::less<>> m_factories;
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
