// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <map>

namespace norv {
class Application;
class Window;
} // namespace norv

namespace norv::ui {

class Binder;

// The program's windows on the desktop: a view for each window model while
// it exists, focus moves inside a window reported to its model, and the
// event loop ended when the last window closes.
class Desktop : public QObject {
public:
    explicit Desktop(Application& app);
    ~Desktop() override;

    QWidget* view(const Window& window) const;

private:
    struct View {
        QPointer<QWidget> widget;
        Binder* binder;
    };

    void create(Window& window);
    void destroy(Window& window);
    void focusChanged(QWidget* old, QWidget* now);
    // justShown: the window just shown or brought forward, if any.
    void updateOwners(const Window* justShown = nullptr);
    const View* viewOf(const QWidget* widget) const;

    Application& m_app;
    std::map<const Window*, View> m_views;
};

} // namespace norv::ui
