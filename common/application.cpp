// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace norv {

Application::Application(SettingsStore& settings, NumberLocale locale)
    : m_settings(settings), m_numbers(std::move(locale))
{
}

Application::~Application()
{
    // Windows go in reverse order of creation; no unload steps run.
    while (!m_windows.empty())
        m_windows.pop_back();
}

void Application::registerWindow(std::string name, WindowFactory make)
{
    m_factories[std::move(name)] = std::move(make);
}

Window& Application::form(std::string_view name)
{
    if (Window* existing = find(name))
        return *existing;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        throw std::logic_error("no window named " + std::string(name));
    m_windows.push_back(factory->second(*this));
    Window& w = *m_windows.back();
    load(w);
    return w;
}

Window* Application::find(std::string_view name) const
{
    for (const auto& w : m_windows)
        if (w->name() == name)
            return w.get();
    return nullptr;
}

void Application::unload(std::string_view name)
{
    if (Window* w = find(name))
        unload(*w);
}

void Application::load(Window& window)
{
    struct Announce {
        Application& app;
        Window& w;
        ~Announce() { app.windowCreated.notify(w); }
    } announce{*this, window};
    window.Form_Load();
}

void Application::unload(Window& window)
{
    auto owned = [&] {
        return std::find_if(m_windows.begin(), m_windows.end(),
                            [&](const auto& w) { return w.get() == &window; });
    };
    if (owned() == m_windows.end())
        return;
    if (std::find(m_unloading.begin(), m_unloading.end(), &window) != m_unloading.end())
        return; // its unload step is already running
    m_unloading.push_back(&window);
    struct Done {
        std::vector<Window*>& list;
        ~Done() { list.pop_back(); }
    } done{m_unloading};

    window.Form_Unload();
    const auto it = owned();
    if (it == m_windows.end())
        return;
    m_closed.push_back(std::move(*it));
    m_windows.erase(it);
    windowDestroyed.notify(window);
    if (m_windows.empty())
        ended.notify();
}

std::vector<Window*> Application::windows() const
{
    std::vector<Window*> out;
    for (const auto& w : m_windows)
        out.push_back(w.get());
    return out;
}

void Application::dispatch(const std::function<void()>& action)
{
    if (m_dispatching)
        return;
    m_dispatching = true;
    struct Finish {
        Application& app;
        ~Finish()
        {
            app.m_dispatching = false;
            app.release();
        }
    } finish{*this};
    try {
        action();
    } catch (const RunTimeError& error) {
        report(error);
    } catch (const std::bad_alloc&) {
        report(RunTimeError(RunTimeError::OutOfMemory));
    }
    eventEnded.notify();
}

void Application::report(const RunTimeError& error)
{
    m_err = error;
    if (!reportRunTimeError)
        return;
    try {
        reportRunTimeError();
    } catch (const RunTimeError&) {
        // A report that fails cannot be reported; the state stays as it is.
    }
}

void Application::release() { m_closed.clear(); }

EventDepth::EventDepth(Application& app) : m_app(app)
{
    if (++m_app.m_eventDepth > kMaxDepth) {
        --m_app.m_eventDepth;
        throw RunTimeError(RunTimeError::OutOfStackSpace);
    }
    m_app.m_statistics.deepestNesting = std::max(m_app.m_statistics.deepestNesting, m_app.m_eventDepth);
}

} // namespace norv
