// SPDX-License-Identifier: GPL-3.0-or-later
// What tests and assistive tools find in the windows: names, standard widget
// classes, the tab order, tool-tips, and the display-only controls.
#include "field_keys.h"

#include "common/list_box.h"
#include "common/option_button.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "language_options/about_form.h"
#include "language_options/norv_error.h"
#include "streams/add_stream.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace norv::test {
namespace {

// The standard Qt class that shows each kind of control; pictures and lines
// may be drawn by any widget.
const char* standardClass(const Control& c)
{
    if (dynamic_cast<const TextBox*>(&c))
        return "QLineEdit";
    if (dynamic_cast<const Slider*>(&c))
        return "QSlider";
    if (dynamic_cast<const ComboBox*>(&c))
        return "QComboBox";
    if (dynamic_cast<const ListBox*>(&c))
        return "QListWidget";
    if (dynamic_cast<const Button*>(&c))
        return "QPushButton";
    if (dynamic_cast<const OptionButton*>(&c))
        return "QRadioButton";
    if (dynamic_cast<const CheckBox*>(&c))
        return "QCheckBox";
    if (dynamic_cast<const Label*>(&c))
        return "QLabel";
    if (dynamic_cast<const Frame*>(&c))
        return "QGroupBox";
    return nullptr;
}

QPoint handleCentre(const QSlider& s)
{
    QStyleOptionSlider option;
    option.initFrom(&s);
    option.orientation = s.orientation();
    option.minimum = s.minimum();
    option.maximum = s.maximum();
    option.sliderPosition = s.sliderPosition();
    option.sliderValue = s.value();
    option.singleStep = s.singleStep();
    option.pageStep = s.pageStep();
    option.subControls = QStyle::SC_All;
    return s.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &s).center();
}

TEST(MainWindowWidgets, EveryWindowAndControlIsAStandardWidgetNamedAsItsModel)
{
    SettingsDir settings;
    UiNorv norv(settings);
    norv.app.form<Norv_error>();
    norv.app.form<AddStream>();
    norv.app.form<AboutForm>();
    ASSERT_EQ(norv.app.windows().size(), 5u);

    for (const Window* model : norv.app.windows()) {
        SCOPED_TRACE(model->name());
        QWidget* top = UiNorv::window(model->name().c_str());
        ASSERT_NE(top, nullptr);
        EXPECT_TRUE(top->isWindow());
        EXPECT_EQ(top->windowTitle().toStdString(), model->caption());
        for (const Control* control : model->controls()) {
            SCOPED_TRACE(control->name());
            const auto found = top->findChildren<QWidget*>(QString::fromStdString(control->name()));
            ASSERT_EQ(found.size(), 1);
            if (const char* cls = standardClass(*control)) {
                EXPECT_STREQ(found[0]->metaObject()->className(), cls);
            }
        }
    }
    // Control arrays are named element by element.
    EXPECT_NE(UiNorv::widget<QRadioButton>("Norv_option", "lingua(1)"), nullptr);
    EXPECT_NE(UiNorv::widget<QRadioButton>("AddStream", "tipodimensione(2)"), nullptr);
}

TEST(MainWindowWidgets, TabKeyWalksTheDesignOrder)
{
    // State: overhead on and a video bitrate, so that every control of the
    // order is enabled and takes the focus.
    SettingsDir settings;
    storeSetting("Overhead", "1");
    UiNorv norv(settings);
    addVideoRow(norv, "1000000");
    field("diskspace")->setFocus(Qt::OtherFocusReason);

    // Action: Tab, control by control, once round the window.
    const char* const order[] = {"lenght",          "framerate",          "containerselector", "prop1",
                                 "prop2",           "xdivisible",         "ydivisible",        "AddStreamButton",
                                 "RemoveStreamButton", "streamlist",      "fwidth",            "fheight",
                                 "videoquality",    "About",              "fwidths",           "fheights",
                                 "videoqualitys",   "Option",             "diskspace"};
    for (const char* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

        // Expected: the widget and the model agree on where the focus is.
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(expected));
        ASSERT_NE(norv.model().activeControl(), nullptr);
        EXPECT_EQ(norv.model().activeControl()->name(), expected);
    }
}

TEST(MainWindowWidgets, ToolTipsFollowTheDesignAndTheLanguage)
{
    struct Case {
        const char* language;
        const char* length;
        const char* rate;
    };
    for (const Case& c : {Case{"Italiano", "secondi", "fotogrammi"}, Case{"English", "seconds", "frames"}}) {
        SCOPED_TRACE(c.language);
        SettingsDir settings;
        storeSetting("Language", c.language);
        UiNorv norv(settings);

        const std::pair<const char*, const char*> tips[] = {
            {"diskspace", "bytes"},    {"lenght", c.length},     {"framerate", c.rate},
            {"fwidth", "pixel"},       {"fheight", "pixel"},     {"xdivisible", "pixel"},
            {"ydivisible", "pixel"},   {"properror", "%"},
            {"videoquality", "bit / (pixel * fps) [x 10000]"},
        };
        for (const auto& [name, tip] : tips)
            EXPECT_EQ(field(name)->toolTip(), QString::fromUtf8(tip)) << name;
    }
}

TEST(MainWindowWidgets, SlidersShowNoValueTipWhileDragged)
{
    SettingsDir settings;
    UiNorv norv(settings);
    addVideoRow(norv, "1000000"); // the quality slider too is enabled
    for (const char* name : {"fwidths", "fheights", "videoqualitys"}) {
        SCOPED_TRACE(name);
        QSlider* s = slider(name);
        EXPECT_TRUE(s->toolTip().isEmpty());
        const int before = s->value();

        const QPoint grip = handleCentre(*s);
        QTest::mousePress(s, Qt::LeftButton, {}, grip);
        QTest::mouseMove(s, grip + QPoint(s->width() / 4, 0));
        const QPoint at = s->rect().center();
        QHelpEvent help(QEvent::ToolTip, at, s->mapToGlobal(at));
        QApplication::sendEvent(s, &help);
        EXPECT_FALSE(QToolTip::isVisible());
        QTest::mouseRelease(s, Qt::LeftButton, {}, grip + QPoint(s->width() / 4, 0));
        EXPECT_GT(s->value(), before); // it was dragged
    }
}

TEST(MainWindowWidgets, DisplayOnlyControlsTakeNoInput)
{
    SettingsDir settings;
    UiNorv norv(settings);

    QLineEdit* properror = field("properror");
    EXPECT_FALSE(properror->isEnabled());
    EXPECT_EQ(properror->palette().color(QPalette::Disabled, QPalette::Base),
              QApplication::palette("QMenu").color(QPalette::Window));

    for (const char* name : {"codec", "streampercentual", "streamdimension", "dimensiontype"}) {
        auto* column = UiNorv::widget<QListWidget>("Norv_main", name);
        EXPECT_FALSE(column->isEnabled()) << name;
        EXPECT_EQ(column->focusPolicy(), Qt::NoFocus) << name;
    }
    // The type column beside them is the one the user works with.
    auto* types = UiNorv::widget<QListWidget>("Norv_main", "streamlist");
    EXPECT_TRUE(types->isEnabled());
    EXPECT_NE(types->focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace norv::test
