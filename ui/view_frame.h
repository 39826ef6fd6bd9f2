// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "binder.h"

#include <QDialog>
#include <QPushButton>
#include <QWidget>

namespace norv {
class Window;
}

namespace norv::ui {

// The top-level widget of a window model. The frame's close control goes to
// the model, which decides what closing means; the widget follows. The
// controls go into body(): the window itself at its design size, or, where
// the design is larger than the screen, an area that scrolls inside a
// window that fits.
class ViewFrame : public QWidget {
public:
    ViewFrame(Window& model, int widthTwips, int heightTwips);
    Binder& binder() { return *m_binder; }
    QWidget* body() { return m_body; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Binder* m_binder;
    QWidget* m_body;
};

// The same as a dialog: Escape presses the cancel button, or closes the
// window as its frame's close control does when it has none; Enter presses
// the button that has the focus, else the default button.
class DialogFrame : public QDialog {
public:
    DialogFrame(Window& model, int widthTwips, int heightTwips);
    Binder& binder() { return *m_binder; }
    QWidget* body() { return m_body; }
    void setCancelButton(QWidget* button) { m_cancel = button; }
    // The button Enter presses unless another has the focus, and the control
    // that has the focus, each time the dialog opens.
    void setDefaultButton(QPushButton* button);
    void setOpeningFocus(QWidget* widget) { m_openingFocus = widget; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Binder* m_binder;
    QWidget* m_body;
    QWidget* m_cancel = nullptr;
    QPushButton* m_default = nullptr;
    QWidget* m_openingFocus = nullptr;
};

} // namespace norv::ui
