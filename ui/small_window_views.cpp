// SPDX-License-Identifier: GPL-3.0-or-later
// The error, Options, About and Add Stream windows at their design positions.
#include "accessible_names.h"
#include "logo.h"
#include "twips.h"
#include "view_frame.h"
#include "views.h"

#include "language_options/about_form.h"
#include "language_options/norv_error.h"
#include "language_options/norv_option.h"
#include "streams/add_stream.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace norv::ui {

namespace {

QRect at(int l, int t, int w, int h) { return Twips::rect(l, t, w, h); }

} // namespace

DialogFrame* buildErrorWindow(Norv_error& m)
{
    auto* view = new DialogFrame(m, 4680, 1290);
    Binder& b = view->binder();
    QWidget* w = view->body();
    auto* frame = b.bind(m.Frame1, w, at(120, 0, 3375, 1215));
    auto* message = b.bind(m.errordescription, frame, at(120, 240, 3135, 855));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* close = b.bind(m.Termina, w, at(3600, 120, 975, 375));
    auto* resume = b.bind(m.Riprendi, w, at(3600, 480, 975, 375));
    auto* abort = b.bind(m.Annulla, w, at(3600, 840, 975, 375));
    QWidget::setTabOrder(close, resume);
    QWidget::setTabOrder(resume, abort);
    // Termina ends Norv and loses the plan: no key press lands on it unseen.
    // The window opens on Riprendi, which Enter and Escape press too.
    view->setDefaultButton(resume);
    view->setCancelButton(resume);
    view->setOpeningFocus(resume);
    // Read out with the window: screen readers announce an alert's description.
    const auto describe = [view = QPointer<QWidget>(view), &m] {
        const QString text = QString::fromStdString(m.errordescription.caption());
        if (view && view->accessibleDescription() != text)
            view->setAccessibleDescription(text);
    };
    m.errordescription.changed.subscribe(describe);
    describe();
    return view;
}

DialogFrame* buildOptionsWindow(Norv_option& m)
{
    auto* view = new DialogFrame(m, 3270, 1830);
    Binder& b = view->binder();
    auto* language = b.bind(m.Frame1, view->body(), at(120, 120, 3015, 855));
    b.bind(m.lingua(0), language, at(240, 240, 1215, 195 + 60));
    b.bind(m.lingua(1), language, at(360, 600 - 60, 1215, 195 + 60));
    auto* overhead = b.bind(m.Frame2, view->body(), at(120, 1080, 3015, 615));
    b.bind(m.overhead, overhead, at(240, 240, 2535, 255));
    return view;
}

DialogFrame* buildAboutWindow(AboutForm& m)
{
    auto* view = new DialogFrame(m, 2895, 1410);
    Binder& b = view->binder();
    QWidget* w = view->body();
    logo(w, "logo", at(120, 120, 2655, 525));
    b.bind(m.Label1, w, at(120, 690, 2655, 255))->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    auto* line = new QFrame(w);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(at(120, 900, 2655, 45));
    b.bind(m.Label2, w, at(120, 960, 2535, 255));
    b.bind(m.Label3, w, at(120, 1125, 2535, 255));
    b.bind(m.version, w, at(1800, 960, 975, 255))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return view;
}

DialogFrame* buildAddStreamDialog(AddStream& m)
{
    auto* view = new DialogFrame(m, 2910, 1575);
    Binder& b = view->binder();
    QWidget* w = view->body();
    auto* label1 = b.bind(m.Label1, w, at(120, 120, 975, 255));
    auto* type = b.bind(m.streamtype, w, at(1320, 120, 1455, 315));
    auto* label2 = b.bind(m.Label2, w, at(120, 480, 1095, 255));
    auto* value = b.bind(m.dimensionestream, w, at(1320, 480, 1455, 285));
    auto* bitrate = b.bind(m.tipodimensione(0), w, at(120, 840, 255, 255));
    auto* label3 = b.bind(m.Label3, w, at(360, 840, 495, 255));
    auto* bytes = b.bind(m.tipodimensione(1), w, at(960, 840, 255, 255));
    auto* label4 = b.bind(m.Label4, w, at(1200, 840, 855, 255));
    auto* percent = b.bind(m.tipodimensione(2), w, at(2160, 840, 255, 255));
    auto* label5 = b.bind(m.Label5, w, at(2400, 840, 255, 255));
    auto* add = b.bind(m.Add, w, at(120, 1200, 1215, 255));
    auto* abort = b.bind(m.Abort, w, at(1560, 1200, 1215, 255));
    // The option buttons have no caption of their own: the labels to their
    // right name them.
    auto* names = new AccessibleNames(view);
    names->buddy(label1, m.Label1, type);
    names->buddy(label2, m.Label2, value);
    names->buddy(label3, m.Label3, bitrate);
    names->buddy(label4, m.Label4, bytes);
    names->buddy(label5, m.Label5, percent);
    names->refresh();
    view->setDefaultButton(add);
    view->setCancelButton(abort);
    view->setOpeningFocus(type);
    QWidget* const order[] = {type, value, bitrate, bytes, percent, add, abort};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return view;
}

} // namespace norv::ui
