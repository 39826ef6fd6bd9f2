// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "binder.h"

#include <QDialog>
#include <QWidget>

namespace norv {
class Window;
}

namespace norv::ui {

// The top-level widget of a window model. The frame's close control goes to
// the model, which decides what closing means; the widget follows.
class ViewFrame : public QWidget {
public:
    ViewFrame(Window& model, int widthTwips, int heightTwips);
    Binder& binder() { return *m_binder; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Binder* m_binder;
};

// The same for a dialog with a default button (Enter) and a cancel button (Escape).
class DialogFrame : public QDialog {
public:
    DialogFrame(Window& model, int widthTwips, int heightTwips);
    Binder& binder() { return *m_binder; }
    // Escape presses this button.
    void setCancelButton(QWidget* button) { m_cancel = button; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Binder* m_binder;
    QWidget* m_cancel = nullptr;
};

} // namespace norv::ui
