// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"
#include "helper_menus.h"
#include "logo.h"
#include "results_display.h"
#include "twips.h"
#include "view_frame.h"
#include "views.h"

#include "main_window/norv_main.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

namespace norv::ui {

namespace {

QRect at(int l, int t, int w, int h) { return Twips::rect(l, t, w, h); }

// The five stream columns scroll as one: row i stays beside row i.
void alignColumns(QListWidget* types, std::initializer_list<QListWidget*> others)
{
    for (QListWidget* column : others) {
        column->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        column->setFocusPolicy(Qt::NoFocus);
        drawReadable(column);
        QObject::connect(types->verticalScrollBar(), &QScrollBar::valueChanged, column,
                         [column](int value) { column->verticalScrollBar()->setValue(value); });
        QObject::connect(column->verticalScrollBar(), &QScrollBar::rangeChanged, column,
                         [column, types] { column->verticalScrollBar()->setValue(types->verticalScrollBar()->value()); });
    }
}

} // namespace

ViewFrame* buildMainWindow(Norv_main& m)
{
    auto* view = new ViewFrame(m, 6480, 3735);
    Binder& b = view->binder();
    QWidget* w = view->body();

    auto* label1 = b.bind(m.Label1, w, at(120, 120, 1215, 255));
    auto* diskspace = b.bind(m.diskspace, w, at(1440, 120, 1335, 285));
    auto* label2 = b.bind(m.Label2, w, at(120, 480, 1215, 255));
    auto* lenght = b.bind(m.lenght, w, at(1440, 480, 1335, 285));
    auto* label9 = b.bind(m.Label9, w, at(120, 840, 1215, 255));
    auto* framerate = b.bind(m.framerate, w, at(1440, 840, 1335, 285));
    auto* label3 = b.bind(m.Label3, w, at(120, 1200, 1215, 255));
    auto* container = b.bind(m.containerselector, w, at(1440, 1200, 1335, 315));
    b.bind(m.Label4, w, at(120, 1680, 1215, 255));
    auto* prop1 = b.bind(m.prop1, w, at(1440, 1680, 615, 285));
    auto* prop2 = b.bind(m.prop2, w, at(2160, 1680, 615, 285));
    b.bind(m.Label5, w, at(120, 2040, 1215, 255));
    auto* xdivisible = b.bind(m.xdivisible, w, at(1440, 2040, 615, 285));
    auto* ydivisible = b.bind(m.ydivisible, w, at(2160, 2040, 615, 285));
    auto* label11 = b.bind(m.Label11, w, at(120, 2400, 1335, 255));
    auto* properror = b.bind(m.properror, w, at(1440, 2400, 1335, 285));
    properror->setReadOnly(true);
    drawReadable(properror);
    auto* option = b.bind(m.Option, w, at(120, 2760, 1335, 255));
    auto* about = b.bind(m.About, w, at(1440, 2760, 1335, 255));
    logo(w, "Image1", at(120, 3120, 2655, 525));

    auto* label7 = b.bind(m.Label7, w, at(2880, 120, 1215, 255));
    auto* add = b.bind(m.AddStreamButton, w, at(4440, 120, 975, 255));
    auto* remove = b.bind(m.RemoveStreamButton, w, at(5400, 120, 975, 255));
    auto* streamlist = b.bind(m.streamlist, w, at(2880, 360, 855, 1230));
    auto* codec = b.bind(m.codec, w, at(3720, 360, 735, 1230));
    auto* percent = b.bind(m.streampercentual, w, at(4440, 360, 495, 1230));
    auto* size = b.bind(m.streamdimension, w, at(4920, 360, 975, 1230));
    auto* unit = b.bind(m.dimensiontype, w, at(5880, 360, 495, 1230));
    alignColumns(streamlist, {codec, percent, size, unit});
    announceRows(streamlist, m);
    addHelperMenus(view, b, m, diskspace, lenght, framerate, streamlist);

    b.bind(m.Label6, w, at(2880, 1680, 1215, 255));
    auto* fwidth = b.bind(m.fwidth, w, at(5040, 1680, 1335, 285));
    auto* fwidths = b.bind(m.fwidths, w, at(2880, 2040, 3495, 255));
    b.bind(m.Label10, w, at(2880, 2400, 1215, 255));
    auto* fheight = b.bind(m.fheight, w, at(5040, 2400, 1335, 285));
    auto* fheights = b.bind(m.fheights, w, at(2880, 2760, 3495, 255));
    b.bind(m.Label8, w, at(2880, 3120, 1215, 255));
    auto* videoquality = b.bind(m.videoquality, w, at(5040, 3120, 1335, 285));
    auto* videoqualitys = b.bind(m.videoqualitys, w, at(2880, 3480, 3495, 255));

    // Screen readers name each input after its label; where one label stands
    // for two inputs, a word tells them apart.
    using Part = AccessibleNames::Part;
    auto* names = new AccessibleNames(view);
    names->buddy(label1, m.Label1, diskspace);
    names->buddy(label2, m.Label2, lenght);
    names->buddy(label9, m.Label9, framerate);
    names->buddy(label3, m.Label3, container);
    names->name(m.Label4, prop1, Part::Width);
    names->name(m.Label4, prop2, Part::Height);
    names->name(m.Label5, xdivisible, Part::Width);
    names->name(m.Label5, ydivisible, Part::Height);
    names->buddy(label11, m.Label11, properror);
    names->buddy(label7, m.Label7, streamlist);
    names->name(m.Label7, codec, Part::Codec);
    names->name(m.Label7, percent, Part::Percent);
    names->name(m.Label7, size, Part::Size);
    names->name(m.Label7, unit, Part::Unit);
    names->name(m.Label6, fwidth);
    names->name(m.Label6, fwidths, Part::Slider);
    names->name(m.Label10, fheight);
    names->name(m.Label10, fheights, Part::Slider);
    names->name(m.Label8, videoquality);
    names->name(m.Label8, videoqualitys, Part::Slider);
    names->refresh();

    QWidget* const order[] = {diskspace, lenght,   framerate, container, prop1,   prop2,        xdivisible,
                              ydivisible, add,     remove,    streamlist, fwidth, fheight,      videoquality,
                              about,      fwidths, fheights,  videoqualitys, option};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return view;
}

} // namespace norv::ui
