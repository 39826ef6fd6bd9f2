// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_frame.h"

#include "twips.h"

#include "common/window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace norv::ui {

namespace {

void closeThroughModel(Binder& binder, QCloseEvent* event)
{
    event->ignore();
    if (Window* model = binder.model())
        model->userClose();
}

// Sizes the window and returns where its controls go.
QWidget* fitToScreen(QWidget& top, int widthTwips, int heightTwips)
{
    const QSize design(Twips::px(widthTwips), Twips::px(heightTwips));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize room(screen.width(), screen.height() - top.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (design.width() <= room.width() && design.height() <= room.height()) {
        top.setFixedSize(design);
        return &top;
    }
    auto* area = new QScrollArea(&top);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus); // the Tab key goes from control to control, each scrolled into view
    auto* body = new QWidget;
    body->setFixedSize(design);
    area->setWidget(body);
    const QSize bars(area->verticalScrollBar()->sizeHint().width(), area->horizontalScrollBar()->sizeHint().height());
    top.setFixedSize((design + bars).boundedTo(room));
    area->setGeometry(top.rect());
    return body;
}

} // namespace

ViewFrame::ViewFrame(Window& model, int widthTwips, int heightTwips)
    : m_binder(new Binder(model, *this)), m_body(fitToScreen(*this, widthTwips, heightTwips))
{
}

void ViewFrame::closeEvent(QCloseEvent* event) { closeThroughModel(*m_binder, event); }

DialogFrame::DialogFrame(Window& model, int widthTwips, int heightTwips)
    : m_binder(new Binder(model, *this)), m_body(fitToScreen(*this, widthTwips, heightTwips))
{
}

void DialogFrame::reject()
{
    if (!m_cancel) {
        if (Window* model = m_binder->model())
            model->userClose();
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_cancel); button && button->isEnabled()) {
        button->click();
    }
}

void DialogFrame::closeEvent(QCloseEvent* event) { closeThroughModel(*m_binder, event); }

void DialogFrame::setDefaultButton(QPushButton* button)
{
    m_default = button;
    button->setDefault(true);
}

// Shown, not yet active: the focus set now is where the dialog opens, and
// the button that had it when the dialog was last hidden is no longer the
// default.
void DialogFrame::showEvent(QShowEvent* event)
{
    if (m_openingFocus && m_openingFocus->isEnabled())
        m_openingFocus->setFocus(Qt::ActiveWindowFocusReason);
    if (m_default) {
        m_default->setDefault(false);
        m_default->setDefault(true);
    }
    QDialog::showEvent(event);
}

} // namespace norv::ui
