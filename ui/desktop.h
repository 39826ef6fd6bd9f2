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
// it exists, each small window opened centred over the main window, focus
// moves inside a window reported to its model, and the event loop ended
// when the last window closes.
class Desktop : public QObject {
public:
    explicit Desktop(Application& app);
    ~Desktop() override;

    QWidget* view(const Window& window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    void centreOverMain(QWidget* window) const;

    Application& m_app;
    std::map<const Window*, View> m_views;
};

} // namespace norv::ui
