// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows look like, in both languages and at whatever scale and
// font resolution the run was given (the test command runs this on a 1024
// by 768 screen at 1x, 1.5x, 2x and with a 144 dpi font): every window whole
// on the screen and usable, no text covering another or cut off, the stream
// columns' frames drawn, and the results readable in a light and a dark
// palette, measured on a screenshot.
#include "widget_harness.h"

#include "language_options/norv_error.h"
#include "streams/add_stream.h"

#include <QFrame>
#include <QGroupBox>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace norv::test {
namespace {

const char* const kWindows[] = {"Norv_main", "AboutForm", "Norv_option", "AddStream", "Norv_error"};

// A plan with a result in every column, then every window open.
void openEveryWindow(UiNorv& norv)
{
    Norv_main& m = norv.model();
    paste(field("diskspace"), "734003200");
    paste(field("lenght"), "5400");
    m.appendStreamRow("Audio", "", "128000", "bit/s");
    m.appendStreamRow("Subtitles", "", "20000", "bytes");
    m.appendStreamRow("Video", "100%", "", "");
    m.streamlist_DblClick();
    paste(field("prop1"), "4");
    platformClick(button("Norv_main", "About"));
    platformClick(button("Norv_main", "Option"));
    norv.app.form<AddStream>().show();
    norv.app.find<Norv_error>()->showMessage("Numero massimo di flussi video consentiti: 1");
    QTest::qWait(0);
}

std::string nameOf(const QWidget* w) { return (w->window()->objectName() + "." + w->objectName()).toStdString(); }

// Where the widget draws something, in its window: a label's text or
// picture, every other control whole.
QRect drawnRect(const QWidget* w)
{
    QRect r = w->rect();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QRect inside = label->contentsRect();
        if (!label->pixmap().isNull())
            r = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                    label->pixmap().deviceIndependentSize().toSize(), inside);
        else
            r = label->fontMetrics().boundingRect(inside, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                                                  label->text());
    }
    return QRect(w->mapTo(w->window(), r.topLeft()), r.size());
}

// The room a control's text needs, against the room it has.
std::pair<int, int> textRoom(const QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    const QStyle* style = w->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return {fm.horizontalAdvance(edit->text()) + 2 * (frame + 2), edit->width()};
    if (const auto* button = qobject_cast<const QPushButton*>(w))
        return {fm.horizontalAdvance(button->text()) + 2 * (style->pixelMetric(QStyle::PM_ButtonMargin) + frame),
                button->width()};
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w) || qobject_cast<const QComboBox*>(w))
        return {w->sizeHint().width(), w->width()};
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return {fm.horizontalAdvance(group->title()) + 4 * frame, group->width()};
    if (const auto* list = qobject_cast<const QListWidget*>(w)) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, fm.horizontalAdvance(list->item(i)->text()));
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
        return {widest + 2 * margin, list->viewport()->width()};
    }
    return {0, 0};
}

void expectWindowWholeAndUncluttered(QWidget* window)
{
    const std::string name = window->objectName().toStdString();
    // Whole on the screen; a window smaller than its design scrolls.
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
        << name << " reaches out of the screen";
    QList<QWidget*> named;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") && w->isVisibleTo(window))
            named << w;
    for (QWidget* w : named) {
        // Inside its window and its parent; its text not cut off.
        const QRect drawn = drawnRect(w);
        EXPECT_TRUE(w->parentWidget()->rect().contains(QRect(w->pos(), w->size()))) << nameOf(w) << " is cut off";
        const auto [needs, has] = textRoom(w);
        EXPECT_LE(needs, has) << nameOf(w) << "'s text is cut off";
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            EXPECT_TRUE(QRect(w->mapTo(window, QPoint()), w->size()).contains(drawn)) << nameOf(w) << "'s text is cut off";
            const QSize shown = label->pixmap().deviceIndependentSize().toSize();
            EXPECT_TRUE(label->pixmap().isNull() || std::abs(shown.width() - w->width()) <= 1 ||
                        std::abs(shown.height() - w->height()) <= 1) << nameOf(w) << " does not fill its place";
        }
        // Nothing drawn over another.
        for (QWidget* other : named) {
            if (other < w && !w->isAncestorOf(other) && !other->isAncestorOf(w)) {
                EXPECT_FALSE(drawn.intersects(drawnRect(other))) << nameOf(w) << " covers " << nameOf(other);
            }
        }
    }
}

// Each frame side of the widget shows on the screenshot of the controls
// (scrolled into view or not): a line that differs from the colour inside.
void expectFrameDrawn(const QImage& shot, QWidget* w)
{
    const qreal ratio = shot.devicePixelRatio();
    const QRect r = w->geometry();
    const QColor inside = shot.pixelColor(QPointF(r.center()).toPoint() * ratio);
    const auto drawn = [&](QPointF from, QPointF step) {
        for (int i = -1; i <= 2; ++i) {
            const QPoint p = ((from + step * i) * ratio).toPoint();
            if (shot.rect().contains(p) && std::abs(qGray(shot.pixel(p)) - qGray(inside.rgb())) > 24)
                return true;
        }
        return false;
    };
    const QPointF c = QRectF(r).center();
    EXPECT_TRUE(drawn({qreal(r.left()), c.y()}, {0.5, 0})) << nameOf(w) << " left";
    EXPECT_TRUE(drawn({qreal(r.right()), c.y()}, {-0.5, 0})) << nameOf(w) << " right";
    EXPECT_TRUE(drawn({c.x(), qreal(r.top())}, {0, 0.5})) << nameOf(w) << " top";
    EXPECT_TRUE(drawn({c.x(), qreal(r.bottom())}, {0, -0.5})) << nameOf(w) << " bottom";
}

// Every control the Tab key reaches comes into view in the window.
void expectReachable(QWidget* window)
{
    auto* area = window->findChild<QScrollArea*>();
    if (!area)
        return;
    activate(window);
    field("diskspace")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 25; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus && area->viewport()->isAncestorOf(focus)) << (focus ? nameOf(focus) : "none");
        const QRect seen(focus->mapTo(area->viewport(), QPoint()), focus->size());
        EXPECT_TRUE(area->viewport()->rect().contains(seen)) << nameOf(focus) << " stays out of view";
        press(Qt::Key_Tab);
    }
}

TEST(Appearance, EveryWindowWholeUsableAndUnclutteredInBothLanguages)
{
    UiNorv norv;
    openEveryWindow(norv);
    for (const char* language : {"lingua(1)", "lingua(0)"}) {
        UiNorv::widget<QRadioButton>("Norv_option", language)->click();
        QTest::qWait(0);
        SCOPED_TRACE(language);
        for (const char* name : kWindows)
            expectWindowWholeAndUncluttered(UiNorv::window(name));
        const QImage shot = column("streamlist")->parentWidget()->grab().toImage();
        for (const char* name : {"streamlist", "codec", "streampercentual", "streamdimension", "dimensiontype"})
            expectFrameDrawn(shot, column(name));
    }
    expectReachable(UiNorv::window("Norv_main"));
}

// WCAG's relative luminance and contrast ratio.
double luminance(QColor c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text's contrast in an area (in the coordinates of the controls) of
// the screenshot of the controls: its most common colour is the background,
// the pixel farthest from it the text, whose colour goes to ink.
double textContrast(const QImage& shot, QRect place, QColor* ink = nullptr)
{
    const qreal ratio = shot.devicePixelRatio();
    const QRect area = QRectF(QPointF(place.topLeft()) * ratio, QSizeF(place.size()) * ratio).toRect();
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    const QColor background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                  return a.second < b.second;
                              })->first;
    double best = 1;
    for (const auto& [rgb, count] : counts) {
        if (contrast(QColor(rgb), background) > best) {
            best = contrast(QColor(rgb), background);
            if (ink)
                *ink = QColor(rgb);
        }
    }
    return best;
}

QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), faint(110, 110, 110);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::Base, off ? window.darker(120) : base);
        p.setColor(group, QPalette::Button, window);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(group, role, off ? faint : text);
        p.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return p;
}

// The display-only results, disabled all, readable in a light and a dark
// palette; on a plan that cannot be encoded, the video row of each column
// and the quality figure in the warning colour and still readable.
class ResultsContrast : public ::testing::TestWithParam<bool> {};

TEST_P(ResultsContrast, TheResultsAndTheirWarningsAreReadable)
{
    const QPalette standard = QApplication::palette();
    if (GetParam())
        QApplication::setPalette(darkPalette());
    {
        UiNorv norv;
        norv.model().appendStreamRow("Video", "100%", "", "");
        norv.model().appendStreamRow("Audio", "", "128000", "bit/s");
        type("diskspace", "*900000");
        type("lenght", "*60");
        ASSERT_TRUE(tabTo("streamlist"));
        press(Qt::Key_Return);
        type("lenght", "*60"); // shows the figure of what the video got
        ASSERT_FALSE(field("videoquality")->accessibleDescription().isEmpty());
        const QImage shot = field("videoquality")->parentWidget()->grab().toImage();
        // name, row (-1: the whole control), in the warning colour
        const std::tuple<const char*, int, bool> places[] = {
            {"streamlist", 0, true}, {"videoquality", -1, true}, {"properror", -1, false},
            {"streampercentual", 0, true}, {"streamdimension", 0, true},
            {"streamdimension", 1, false}, {"dimensiontype", 0, true}, {"dimensiontype", 1, false}};
        for (const auto& [name, row, warning] : places) {
            QWidget* result = UiNorv::widget("Norv_main", name);
            QRect place(result->pos(), result->size());
            if (auto* list = qobject_cast<QListWidget*>(result))
                place = list->visualItemRect(list->item(row)).translated(list->viewport()->mapTo(list->parentWidget(), QPoint()));
            QColor ink;
            const double ratio = textContrast(shot, place.adjusted(3, 3, -3, -3), &ink);
            RecordProperty(std::string(name) + "_" + std::to_string(row), QString::number(ratio, 'f', 2).toStdString());
            EXPECT_GE(ratio, 4.5) << name << " row " << row;
            EXPECT_EQ(ink.red() > ink.green() + 40, warning) << name << " row " << row << ": " << ink.name().toStdString();
        }
        for (const char* name : {"streampercentual", "streamdimension", "dimensiontype", "properror"})
            EXPECT_FALSE(UiNorv::widget("Norv_main", name)->isEnabled()) << name << " takes input";
        // The proportion error lies on the menu colour, which in this dark
        // palette differs from the disabled fields' own.
        EXPECT_EQ(field("properror")->palette().color(QPalette::Disabled, QPalette::Base),
                  QApplication::palette("QMenu").color(QPalette::Window));
    }
    QApplication::setPalette(standard);
}

INSTANTIATE_TEST_SUITE_P(Palettes, ResultsContrast, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

} // namespace
} // namespace norv::test
