// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_frame.h"

#include "twips.h"

#include "common/window.h"

#include <QAbstractButton>
#include <QCloseEvent>

namespace norv::ui {

namespace {

void closeThroughModel(Binder& binder, QCloseEvent* event)
{
    event->ignore();
    if (Window* model = binder.model())
        model->userClose();
}

} // namespace

ViewFrame::ViewFrame(Window& model, int widthTwips, int heightTwips)
    : m_binder(new Binder(model, *this))
{
    setFixedSize(Twips::px(widthTwips), Twips::px(heightTwips));
}

void ViewFrame::closeEvent(QCloseEvent* event) { closeThroughModel(*m_binder, event); }

DialogFrame::DialogFrame(Window& model, int widthTwips, int heightTwips)
    : m_binder(new Binder(model, *this))
{
    setFixedSize(Twips::px(widthTwips), Twips::px(heightTwips));
}

void DialogFrame::reject()
{
    if (auto* button = qobject_cast<QAbstractButton*>(m_cancel); button && button->isEnabled())
        button->click();
}

void DialogFrame::closeEvent(QCloseEvent* event) { closeThroughModel(*m_binder, event); }

} // namespace norv::ui
