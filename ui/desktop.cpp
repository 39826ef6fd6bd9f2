// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "binder.h"
#include "view_frame.h"
#include "views.h"

#include "common/application.h"
#include "common/control.h"
#include "language_options/about_form.h"
#include "language_options/norv_error.h"
#include "language_options/norv_option.h"
#include "main_window/norv_main.h"
#include "planning/norv_length.h"
#include "planning/norv_retry.h"
#include "planning/norv_size.h"
#include "streams/add_stream.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>

#include <algorithm>

namespace norv::ui {

Desktop::Desktop(Application& app) : m_app(app)
{
    app.windowCreated.subscribe([this](Window& w) { create(w); });
    app.windowDestroyed.subscribe([this](Window& w) { destroy(w); });
    app.ended.subscribe([] { QCoreApplication::exit(0); });
    connect(qApp, &QApplication::focusChanged, this, &Desktop::focusChanged);
}

Desktop::~Desktop()
{
    for (auto& [model, view] : m_views) {
        view.binder->detach();
        delete view.widget;
    }
}

QWidget* Desktop::view(const Window& window) const
{
    const auto it = m_views.find(&window);
    return it == m_views.end() ? nullptr : it->second.widget.data();
}

void Desktop::create(Window& window)
{
    const auto asView = [](auto* frame) { return View{frame, &frame->binder()}; };
    View view{};
    if (auto* main = dynamic_cast<Norv_main*>(&window))
        view = asView(buildMainWindow(*main));
    else if (auto* error = dynamic_cast<Norv_error*>(&window))
        view = asView(buildErrorWindow(*error));
    else if (auto* options = dynamic_cast<Norv_option*>(&window))
        view = asView(buildOptionsWindow(*options));
    else if (auto* about = dynamic_cast<AboutForm*>(&window))
        view = asView(buildAboutWindow(*about));
    else if (auto* dialog = dynamic_cast<AddStream*>(&window))
        view = asView(buildAddStreamDialog(*dialog));
    else if (auto* size = dynamic_cast<planning::Norv_size*>(&window))
        view = asView(buildSizeHelper(*size));
    else if (auto* length = dynamic_cast<planning::Norv_length*>(&window))
        view = asView(buildLengthHelper(*length));
    else if (auto* retry = dynamic_cast<planning::Norv_retry*>(&window))
        view = asView(buildRetryHelper(*retry));
    else
        return;
    m_views[&window] = view;
    window.changed.subscribe([this] { updateOwners(); });
    window.shown.subscribe([this, &window] { updateOwners(&window); });
    if (!dynamic_cast<Norv_main*>(&window))
        view.widget->installEventFilter(this); // placed as it opens
    // The window mirrors its model from here on; bring it to the model's state now.
    window.changed.notify();
    if (window.visible())
        window.shown.notify();
    if (Control* focused = window.activeControl())
        window.focusRequested.notify(*focused);
}

void Desktop::destroy(Window& window)
{
    const auto it = m_views.find(&window);
    if (it == m_views.end())
        return;
    View view = it->second;
    m_views.erase(it);
    view.binder->detach();
    updateOwners(); // windows owned by this one find a new owner first
    if (view.widget) {
        view.widget->hide();
        view.widget->deleteLater();
    }
}

// A window shown modeless while a modal one is up belongs to the modal one,
// so that it stays above it and takes the user's clicks. The windows that
// were open before the modal one came up stay unowned: the modal one blocks
// them, the main window first of all.
void Desktop::updateOwners(const Window* justShown)
{
    QWidget* modal = nullptr;
    for (const auto& [model, view] : m_views)
        if (model->visible() && model->modal() && view.widget)
            modal = view.widget;
    for (const auto& [model, view] : m_views) {
        QWidget* widget = view.widget;
        if (!widget || widget == modal || model->modal())
            continue;
        const bool owned = model == justShown || widget->parentWidget() == modal;
        QWidget* owner = model->visible() && owned ? modal : nullptr;
        if (widget->parentWidget() == owner)
            continue;
        const bool shown = widget->isVisible();
        widget->setParent(owner, widget->windowFlags() | Qt::Window);
        if (shown || model->visible()) {
            widget->show();
            widget->raise();
        }
    }
}

bool Desktop::eventFilter(QObject* watched, QEvent* event)
{
    // The show event comes before the window is mapped: placed now, it
    // appears where it belongs.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && widget && widget->isWindow())
        centreOverMain(widget);
    return false;
}

void Desktop::centreOverMain(QWidget* window) const
{
    const Norv_main* main = m_app.find<Norv_main>();
    QWidget* mainView = main ? view(*main) : nullptr;
    if (!mainView || !mainView->isVisible())
        return;
    QRect placed = window->frameGeometry();
    placed.moveCenter(mainView->frameGeometry().center());
    // Whole on the screen, where the main window is near its edge.
    const QRect screen = mainView->screen()->availableGeometry();
    placed.moveLeft(std::max(screen.left(), std::min(placed.left(), screen.right() - placed.width() + 1)));
    placed.moveTop(std::max(screen.top(), std::min(placed.top(), screen.bottom() - placed.height() + 1)));
    window->move(placed.topLeft());
}

const Desktop::View* Desktop::viewOf(const QWidget* widget) const
{
    const QWidget* top = widget ? widget->window() : nullptr;
    for (const auto& [model, view] : m_views)
        if (view.widget == top)
            return &view;
    return nullptr;
}

// Only moves inside one window are focus events; a window losing or gaining
// activation is not, and neither are the echoes of the program's own writes.
void Desktop::focusChanged(QWidget* old, QWidget* now)
{
    // The style draws the focus only once the keyboard has moved it in that
    // window (and forgets that when the window is shown): it must show
    // however the focus came, a click or a window opening.
    if (now)
        now->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    if (!old || !now || m_app.dispatching() || old->window() != now->window())
        return;
    const View* view = viewOf(now);
    if (!view)
        return;
    if (Control* control = view->binder->controlOf(now))
        control->userFocus();
}

} // namespace norv::ui
