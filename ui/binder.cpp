// SPDX-License-Identifier: GPL-3.0-or-later
#include "binder.h"
#include "warning_marks.h"

#include "common/application.h"
#include "common/list_box.h"
#include "common/menu_item.h"
#include "common/option_button.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "common/window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QWheelEvent>

#include <cstdlib>
#include <utility>

namespace norv::ui {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QColor qcolor(Color color, const QPalette& standard)
{
    if (color == SystemColor::Menu)
        return QApplication::palette("QMenu").color(QPalette::Window);
    if (isSystemColor(color))
        return standard.color(QPalette::Base);
    return {red(color), green(color), blue(color)};
}

// The common properties: enabled, tool-tip, background.
void syncCommon(QWidget* widget, const Control& control, std::initializer_list<QPalette::ColorRole> roles)
{
    if (widget->isEnabled() != control.enabled())
        widget->setEnabled(control.enabled());
    // A warning shows beside the control's own tool-tip, never instead of it.
    QString tip = q(control.toolTip());
    if (!control.warning().empty())
        tip += (tip.isEmpty() ? "" : "\n") + q(control.warning());
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
    if (roles.size() == 0)
        return;
    const QColor color = qcolor(control.backColor(), QApplication::palette(widget));
    QPalette palette = widget->palette();
    bool differs = false;
    for (QPalette::ColorRole role : roles) {
        if (palette.color(role) != color) {
            palette.setColor(role, color);
            differs = true;
        }
    }
    if (differs)
        widget->setPalette(palette);
}

// Where the caret goes when a field is rewritten under it: after the same
// characters as before where the rewrite left them (those after the caret
// first, so "" becoming "0" puts it after the 0), else after the rewritten
// part, where the user was typing.
int caretAfterRewrite(const QString& old, int caret, const QString& now)
{
    const int oldSize = int(old.size());
    const int nowSize = int(now.size());
    int prefix = 0;
    while (prefix < oldSize && prefix < nowSize && old[prefix] == now[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < oldSize - prefix && suffix < nowSize - prefix &&
           old[oldSize - 1 - suffix] == now[nowSize - 1 - suffix])
        ++suffix;
    if (oldSize - caret <= suffix)
        return nowSize - (oldSize - caret);
    if (caret <= prefix)
        return caret;
    return nowSize - suffix;
}

// Rewrites a field that may be under the user's caret, which stays after
// what the user just typed.
void syncText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    const QString old = edit->text();
    const int caret = edit->cursorPosition();
    const bool focused = edit->hasFocus();
    edit->setText(text);
    if (focused)
        edit->setCursorPosition(caretAfterRewrite(old, caret, text));
}

// Brings a list's items to the model's; shown holds the texts the widget has,
// so only the rows that differ are converted and rewritten.
void syncItems(QListWidget* list, const std::vector<std::string>& items, std::vector<std::string>& shown)
{
    const std::size_t n = items.size();
    while (shown.size() > n) {
        delete list->takeItem(int(shown.size()) - 1);
        shown.pop_back();
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (i == shown.size()) {
            list->addItem(q(items[i]));
            shown.push_back(items[i]);
        } else if (shown[i] != items[i]) {
            list->item(int(i))->setText(q(items[i]));
            shown[i] = items[i];
        }
    }
}

// A list's frame: the style's outline grey, its highlight while the list
// has the focus (also when no row is current to carry a focus mark).
void showFocus(QListWidget* list, bool focused)
{
    QPalette palette = list->palette();
    const QColor frame = focused ? palette.color(QPalette::Active, QPalette::Highlight)
                                 : palette.color(QPalette::Active, QPalette::Window).darker(140);
    if (palette.color(QPalette::WindowText) == frame)
        return;
    palette.setColor(QPalette::WindowText, frame);
    list->setPalette(palette);
}

int selectedRow(const QListWidget* list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace

Binder::Binder(Window& model, QWidget& top) : QObject(&top), m_model(&model), m_top(top)
{
    top.setObjectName(q(model.name()));
    std::weak_ptr<bool> alive = m_alive;
    model.changed.subscribe([this, alive] {
        if (!alive.expired())
            syncWindow();
    });
    model.shown.subscribe([this, alive] {
        if (alive.expired())
            return;
        m_top.raise();
        m_top.activateWindow();
    });
    model.focusRequested.subscribe([this, alive](Control& control) {
        if (alive.expired())
            return;
        if (QWidget* widget = widgetOf(&control))
            widget->setFocus(Qt::OtherFocusReason);
    });
    top.installEventFilter(this);
}

Binder::~Binder() = default;

void Binder::detach()
{
    m_alive.reset();
    m_model = nullptr;
}

Control* Binder::controlOf(const QWidget* widget) const
{
    const auto it = m_controls.find(widget);
    return it == m_controls.end() ? nullptr : it->second;
}

QWidget* Binder::widgetOf(const Control* control) const
{
    const auto it = m_widgets.find(control);
    return it == m_widgets.end() ? nullptr : it->second;
}

void Binder::attach(Control& control, QWidget* widget, std::function<void()> sync)
{
    widget->setObjectName(q(control.name()));
    m_controls[widget] = &control;
    m_widgets[&control] = widget;
    m_syncs[widget] = sync;
    sync();
    std::weak_ptr<bool> alive = m_alive;
    control.changed.subscribe([alive, sync] {
        if (!alive.expired())
            sync();
    });
}

void Binder::syncWindow()
{
    if (!m_model)
        return;
    if (m_top.windowTitle() != q(m_model->caption()))
        m_top.setWindowTitle(q(m_model->caption()));
    const Qt::WindowModality modality = m_model->modal() ? Qt::ApplicationModal : Qt::NonModal;
    if (m_model->visible()) {
        if (m_top.isVisible() && m_top.windowModality() != modality)
            m_top.hide(); // modality changes only while hidden
        if (m_top.windowModality() != modality)
            m_top.setWindowModality(modality);
        if (!m_top.isVisible())
            m_top.show();
    } else if (m_top.isVisible()) {
        m_top.hide();
    }
}

// A user's input goes to the model; then the widget shows the model again,
// since the model may have clamped or refused it. The window may close
// during the action, and then nothing more is written.
void Binder::fromUser(QWidget* widget, const std::function<void()>& action)
{
    if (!m_model)
        return;
    action();
    if (m_model)
        m_syncs.at(widget)();
}

QLineEdit* Binder::bind(TextBox& box, QWidget* parent, QRect rect)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(rect);
    attach(box, edit, [edit, &box] {
        const QSignalBlocker blocker(edit);
        syncText(edit, q(box.text()));
        syncCommon(edit, box, {QPalette::Base});
        markField(edit, box);
    });
    // Changed, not edited: a screen reader (or voice input) sets the text
    // without editing it. The binder's own writes are blocked.
    connect(edit, &QLineEdit::textChanged, this, [this, edit, &box](const QString& text) {
        fromUser(edit, [&] { box.userEdit(text.toStdString()); });
    });
    edit->installEventFilter(this);
    return edit;
}

QSlider* Binder::bind(Slider& slider, QWidget* parent, QRect rect)
{
    auto* widget = new QSlider(Qt::Horizontal, parent);
    widget->setGeometry(rect);
    widget->setSingleStep(slider.smallChange);
    widget->setPageStep(slider.largeChange);
    // A wheel turn gives the focus first, as a click does: only the slider
    // that has the focus moves the frame size or the quality figure.
    widget->setFocusPolicy(Qt::WheelFocus);
    widget->installEventFilter(this);
    attach(slider, widget, [widget, &slider] {
        const QSignalBlocker blocker(widget);
        if (widget->minimum() != slider.min() || widget->maximum() != slider.max())
            widget->setRange(slider.min(), slider.max());
        if (widget->value() != slider.value())
            widget->setValue(slider.value());
        syncCommon(widget, slider, {});
    });
    connect(widget, &QSlider::valueChanged, this, [this, widget, &slider](int value) {
        fromUser(widget, [&] { slider.userMove(value); });
    });
    return widget;
}

QLabel* Binder::bind(Label& label, QWidget* parent, QRect rect)
{
    auto* widget = new QLabel(parent);
    widget->setGeometry(rect);
    widget->setTextFormat(Qt::PlainText);
    attach(label, widget, [widget, &label] {
        if (widget->text() != q(label.caption()))
            widget->setText(q(label.caption()));
        syncCommon(widget, label, {});
    });
    return widget;
}

QPushButton* Binder::bind(Button& button, QWidget* parent, QRect rect)
{
    auto* widget = new QPushButton(parent);
    widget->setGeometry(rect);
    // Enter presses the button that has the focus, as Space does.
    widget->setAutoDefault(true);
    attach(button, widget, [widget, &button] {
        if (widget->text() != q(button.caption()))
            widget->setText(q(button.caption()));
        syncCommon(widget, button, {});
    });
    connect(widget, &QPushButton::clicked, this, [this, &button] {
        if (m_model)
            button.userClick();
    });
    return widget;
}

QComboBox* Binder::bind(ComboBox& combo, QWidget* parent, QRect rect)
{
    auto* widget = new QComboBox(parent);
    widget->setGeometry(rect);
    widget->setEditable(false);
    attach(combo, widget, [widget, &combo] {
        const QSignalBlocker blocker(widget);
        QStringList items;
        for (const auto& item : combo.items())
            items << q(item);
        QStringList shown;
        for (int i = 0; i < widget->count(); ++i)
            shown << widget->itemText(i);
        if (shown != items) {
            widget->clear();
            widget->addItems(items);
        }
        if (widget->currentIndex() != combo.listIndex())
            widget->setCurrentIndex(combo.listIndex());
        syncCommon(widget, combo, {QPalette::Base, QPalette::Button});
    });
    connect(widget, &QComboBox::activated, this, [this, widget, &combo](int index) {
        fromUser(widget, [&] { combo.userSelect(index); });
    });
    return widget;
}

QListWidget* Binder::bind(ListBox& list, QWidget* parent, QRect rect)
{
    auto* widget = new QListWidget(parent);
    widget->setGeometry(rect);
    widget->setUniformItemSizes(true);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A plain box of one pixel: the style's own frame loses sides under the
    // items at fractional scales (1.5x).
    widget->setFrameStyle(QFrame::Box | QFrame::Plain);
    showFocus(widget, false);
    auto shown = std::make_shared<std::vector<std::string>>();
    auto marks = std::make_shared<ItemMarks>();
    attach(list, widget, [widget, &list, shown, marks] {
        const QSignalBlocker blocker(widget);
        const QSignalBlocker selection(widget->selectionModel());
        syncItems(widget, list.items(), *shown);
        // The row shown selected is the model's, whatever the keys or the
        // mouse did to the widget's own selection.
        if (selectedRow(widget) != list.listIndex() || widget->currentRow() != list.listIndex()) {
            if (list.listIndex() < 0) {
                widget->setCurrentRow(-1);
                widget->clearSelection();
            } else {
                widget->setCurrentRow(list.listIndex(), QItemSelectionModel::ClearAndSelect);
            }
        }
        syncCommon(widget, list, {QPalette::Base});
        markItems(widget, list, *marks);
    });
    connect(widget, &QListWidget::itemSelectionChanged, this, [this, widget, &list] {
        fromUser(widget, [&] { list.userSelect(selectedRow(widget)); });
    });
    widget->installEventFilter(this);
    widget->viewport()->installEventFilter(this);
    m_controls[widget->viewport()] = &list;
    return widget;
}

QRadioButton* Binder::bind(OptionButton& option, QWidget* parent, QRect rect)
{
    auto* widget = new QRadioButton(parent);
    widget->setGeometry(rect);
    // Exclusive, so that it is an option button to screen readers too; the
    // model still decides which one is selected, and may select none, which
    // an exclusive button refuses to show unless it is freed for a moment.
    widget->setAutoExclusive(true);
    attach(option, widget, [widget, &option] {
        const QSignalBlocker blocker(widget);
        if (widget->isChecked() != option.value()) {
            widget->setAutoExclusive(option.value());
            widget->setChecked(option.value());
            widget->setAutoExclusive(true);
        }
        if (widget->text() != q(option.caption()))
            widget->setText(q(option.caption()));
        syncCommon(widget, option, {});
    });
    // Toggled, not clicked: a screen reader toggles the button without a
    // click. Selecting is what the user does; clearing follows the model.
    // The binder's own writes are blocked, so only the user's arrive here.
    connect(widget, &QRadioButton::toggled, this, [this, widget, &option](bool checked) {
        if (checked && !option.value())
            fromUser(widget, [&] { option.userClick(); });
    });
    return widget;
}

QCheckBox* Binder::bind(CheckBox& check, QWidget* parent, QRect rect)
{
    auto* widget = new QCheckBox(parent);
    widget->setGeometry(rect);
    attach(check, widget, [widget, &check] {
        const QSignalBlocker blocker(widget);
        if (widget->isChecked() != (check.value() == 1))
            widget->setChecked(check.value() == 1);
        if (widget->text() != q(check.caption()))
            widget->setText(q(check.caption()));
        syncCommon(widget, check, {});
    });
    connect(widget, &QCheckBox::toggled, this, [this, widget, &check](bool checked) {
        if (checked != (check.value() == 1))
            fromUser(widget, [&] { check.userClick(); });
    });
    return widget;
}

QGroupBox* Binder::bind(Frame& frame, QWidget* parent, QRect rect)
{
    auto* widget = new QGroupBox(parent);
    widget->setGeometry(rect);
    attach(frame, widget, [widget, &frame] {
        if (widget->title() != q(frame.caption()))
            widget->setTitle(q(frame.caption()));
        syncCommon(widget, frame, {});
    });
    return widget;
}

QAction* Binder::bind(MenuItem& item, QWidget* owner)
{
    auto* action = new QAction(owner);
    action->setObjectName(q(item.name()));
    if (!item.shortcut().empty()) {
        action->setShortcut(QKeySequence(q(item.shortcut()), QKeySequence::PortableText));
        action->setShortcutVisibleInContextMenu(true);
        owner->addAction(action);
    }
    const auto sync = [action, &item] {
        if (action->text() != q(item.caption()))
            action->setText(q(item.caption()));
        if (action->isEnabled() != item.enabled())
            action->setEnabled(item.enabled());
    };
    sync();
    std::weak_ptr<bool> alive = m_alive;
    item.changed.subscribe([alive, sync] {
        if (!alive.expired())
            sync();
    });
    connect(action, &QAction::triggered, this, [this, &item] {
        if (m_model)
            item.userClick();
    });
    return action;
}

// The keyboard's way to what a double-click does: Enter on a list, Ctrl+Enter
// in a field (a plain Enter there must not replace what was just typed).
bool Binder::keyDoubleClick(QObject* watched, QEvent* event)
{
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    Control* control = controlOf(qobject_cast<QWidget*>(watched));
    if (auto* list = dynamic_cast<ListBox*>(control); list && list->DblClick) {
        list->userDblClick();
        return true;
    }
    auto* box = dynamic_cast<TextBox*>(control);
    if (box && box->DblClick && (key->modifiers() & Qt::ControlModifier)) {
        box->userDblClick();
        return true;
    }
    return false;
}

void Binder::mouseButton(QObject* watched, QEvent::Type type)
{
    Control* control = controlOf(qobject_cast<QWidget*>(watched));
    auto* box = dynamic_cast<TextBox*>(control);
    auto* list = dynamic_cast<ListBox*>(control);
    if (!box && !list)
        return;
    if (type == QEvent::MouseButtonPress) {
        m_pressed = control;
        box ? box->userMouseDown() : list->userMouseDown();
    } else if (type == QEvent::MouseButtonRelease) {
        m_pressed = nullptr;
        box ? box->userMouseUp() : list->userMouseUp();
    } else {
        box ? box->userDblClick() : list->userDblClick();
    }
}

// A press whose release never comes (a context menu takes the focus and
// the release, Escape, the pointer leaves) ends as a release would.
void Binder::endPress()
{
    Control* pressed = std::exchange(m_pressed, nullptr);
    if (!m_model)
        return;
    if (auto* box = dynamic_cast<TextBox*>(pressed))
        box->userMouseUp();
    else if (auto* list = dynamic_cast<ListBox*>(pressed))
        list->userMouseUp();
}

// A wheel turn on a slider does what the arrow keys do: one small step a
// notch, the focus taken first.
bool Binder::wheelSteps(QSlider* slider, QWheelEvent* event)
{
    if (!slider->isEnabled())
        return false;
    event->accept();
    if (!slider->hasFocus())
        slider->setFocus(Qt::MouseFocusReason);
    const QPoint angle = event->angleDelta();
    int delta = std::abs(angle.x()) > std::abs(angle.y()) ? -angle.x() : angle.y();
    if (event->inverted())
        delta = -delta;
    int& rest = m_wheelRest[slider];
    rest += delta;
    for (; rest >= QWheelEvent::DefaultDeltasPerStep && m_model; rest -= QWheelEvent::DefaultDeltasPerStep)
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    for (; rest <= -QWheelEvent::DefaultDeltasPerStep && m_model; rest += QWheelEvent::DefaultDeltasPerStep)
        slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
    return true;
}

// Mouse presses, releases and double-clicks on text fields and lists (a
// real double-click arrives as press, release, double-click, release), the
// keys for double-clicks, and the wheel on sliders.
bool Binder::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_model)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        mouseButton(watched, event->type());
        return false;
    case QEvent::KeyPress:
        if (m_pressed && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            endPress();
        return keyDoubleClick(watched, event);
    case QEvent::Wheel:
        if (auto* slider = qobject_cast<QSlider*>(watched))
            return wheelSteps(slider, static_cast<QWheelEvent*>(event));
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (auto* list = qobject_cast<QListWidget*>(watched))
            showFocus(list, event->type() == QEvent::FocusIn);
        if (m_pressed && event->type() == QEvent::FocusOut)
            endPress();
        return false;
    case QEvent::Leave:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        if (m_pressed && watched == &m_top)
            endPress();
        return false;
    default:
        return false;
    }
}

} // namespace norv::ui
