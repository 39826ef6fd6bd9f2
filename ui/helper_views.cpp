// SPDX-License-Identifier: GPL-3.0-or-later
// The planning helpers' windows: each opens on its first field, Enter
// presses OK (or the button that has the focus), Escape cancels.
#include "accessible_names.h"
#include "twips.h"
#include "view_frame.h"
#include "views.h"

#include "planning/norv_length.h"
#include "planning/norv_retry.h"
#include "planning/norv_size.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace norv::ui {

namespace {

QRect at(int l, int t, int w, int h) { return Twips::rect(l, t, w, h); }

// A label present only while it says something: a screen reader should not
// meet an empty, nameless one.
QLabel* shownWhileSet(QLabel* label, Label& model)
{
    const auto show = [label = QPointer<QLabel>(label), &model] {
        if (label && label->isHidden() != model.caption().empty())
            label->setHidden(model.caption().empty());
    };
    show();
    model.changed.subscribe(show);
    return label;
}

// A text of several lines, wrapped within its place.
QLabel* paragraph(QLabel* label, Label& model)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return shownWhileSet(label, model);
}

// The buttons, the tab order, and the refusal read out with the window, as
// screen readers read a dialog's description.
void finish(DialogFrame* view, Label& message, std::initializer_list<QWidget*> order, QPushButton* ok,
            QPushButton* abort)
{
    view->setDefaultButton(ok);
    view->setCancelButton(abort);
    view->setOpeningFocus(*order.begin());
    for (auto it = order.begin() + 1; it != order.end(); ++it)
        QWidget::setTabOrder(*(it - 1), *it);
    const auto describe = [view = QPointer<QWidget>(view), &message] {
        const QString text = QString::fromStdString(message.caption());
        if (view && view->accessibleDescription() != text)
            view->setAccessibleDescription(text);
    };
    message.changed.subscribe(describe);
}

} // namespace

DialogFrame* buildSizeHelper(planning::Norv_size& m)
{
    auto* view = new DialogFrame(m, 4320, 2475);
    Binder& b = view->binder();
    QWidget* w = view->body();
    auto* label1 = b.bind(m.Label1, w, at(120, 120, 1920, 255));
    auto* value = b.bind(m.sizevalue, w, at(2160, 120, 2040, 285));
    auto* label2 = b.bind(m.Label2, w, at(120, 480, 1920, 255));
    auto* unit = b.bind(m.sizeunit, w, at(2160, 480, 2040, 315));
    auto* label3 = b.bind(m.Label3, w, at(120, 900, 1920, 255));
    auto* margin = b.bind(m.margin, w, at(2160, 900, 2040, 285));
    paragraph(b.bind(m.message, w, at(120, 1260, 4080, 735)), m.message);
    auto* ok = b.bind(m.OK, w, at(1920, 2040, 1080, 315));
    auto* abort = b.bind(m.Abort, w, at(3120, 2040, 1080, 315));
    auto* names = new AccessibleNames(view);
    names->buddy(label1, m.Label1, value);
    names->buddy(label2, m.Label2, unit);
    names->buddy(label3, m.Label3, margin);
    names->refresh();
    finish(view, m.message, {value, unit, margin, ok, abort}, ok, abort);
    return view;
}

DialogFrame* buildLengthHelper(planning::Norv_length& m)
{
    auto* view = new DialogFrame(m, 4320, 2475);
    Binder& b = view->binder();
    QWidget* w = view->body();
    auto* label1 = b.bind(m.Label1, w, at(120, 120, 1920, 255));
    auto* value = b.bind(m.lengthvalue, w, at(2160, 120, 2040, 285));
    auto* label2 = b.bind(m.Label2, w, at(120, 480, 1920, 255));
    auto* unit = b.bind(m.lengthunit, w, at(2160, 480, 2040, 315));
    b.bind(m.Label3, w, at(120, 900, 1920, 255));
    shownWhileSet(b.bind(m.currentrate, w, at(2160, 900, 2040, 255)), m.currentrate); // no rate typed yet
    paragraph(b.bind(m.message, w, at(120, 1260, 4080, 735)), m.message);
    auto* ok = b.bind(m.OK, w, at(1920, 2040, 1080, 315));
    auto* abort = b.bind(m.Abort, w, at(3120, 2040, 1080, 315));
    auto* names = new AccessibleNames(view);
    names->buddy(label1, m.Label1, value);
    names->buddy(label2, m.Label2, unit);
    names->refresh();
    finish(view, m.message, {value, unit, ok, abort}, ok, abort);
    return view;
}

DialogFrame* buildRetryHelper(planning::Norv_retry& m)
{
    auto* view = new DialogFrame(m, 5400, 3465);
    Binder& b = view->binder();
    QWidget* w = view->body();
    auto* label1 = b.bind(m.Label1, w, at(120, 120, 2400, 255));
    auto* value = b.bind(m.realsize, w, at(2640, 120, 2640, 285));
    auto* label2 = b.bind(m.Label2, w, at(120, 480, 2400, 255));
    auto* unit = b.bind(m.realunit, w, at(2640, 480, 2640, 315));
    paragraph(b.bind(m.arithmetic, w, at(120, 900, 5160, 1455)), m.arithmetic);
    paragraph(b.bind(m.message, w, at(120, 2415, 5160, 555)), m.message);
    auto* ok = b.bind(m.OK, w, at(3000, 3030, 1080, 315));
    auto* abort = b.bind(m.Abort, w, at(4200, 3030, 1080, 315));
    auto* names = new AccessibleNames(view);
    names->buddy(label1, m.Label1, value);
    names->buddy(label2, m.Label2, unit);
    names->refresh();
    finish(view, m.message, {value, unit, ok, abort}, ok, abort);
    return view;
}

} // namespace norv::ui
