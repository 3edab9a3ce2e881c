#include "HvAccessible.h"

#include "HvAnnouncer.h"
#include "HvButton.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "HvSetpPanelObj.h"
#include "HvTextField.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QMenu>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

std::vector<QByteArray>& groupingClasses() {
    static std::vector<QByteArray> classes;
    return classes;
}

// Whether a widget shows the radio groups it parents as nodes of their own.
bool groupsChildren(const QObject* widget) {
    if (!widget)
        return false;
    return std::any_of(groupingClasses().begin(), groupingClasses().end(),
                       [widget](const QByteArray& name) { return widget->inherits(name); });
}

// The group a radio item is shown in, when its view shows it.
HvSetpPanelObj* shownGroup(const HvButton* button) {
    auto* group = qobject_cast<HvSetpPanelObj*>(button->radioGroup());
    return group && group->parent() == button->parentWidget() && groupsChildren(group->parent())
               ? group
               : nullptr;
}

// The text a widget shows, to assistive technology: a chooser's entry, a label's words, a
// field's number. No selection and no cursor unless a field overrides them.
class ShownText : public QAccessibleTextInterface {
public:
    virtual QString shownText() const = 0;

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString shown = shownText();
        start = std::clamp(start, 0, int(shown.size()));
        end = end < 0 ? int(shown.size()) : std::clamp(end, start, int(shown.size()));
        return shown.mid(start, end - start);
    }
    int characterCount() const override { return int(shownText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

class ButtonAccessible : public QAccessibleWidget, public ShownText {
public:
    explicit ButtonAccessible(HvButton* button) : QAccessibleWidget(button) {}

    HvButton* button() const { return static_cast<HvButton*>(object()); }

    QAccessible::Role role() const override {
        switch (button()->role()) {
        case HvButton::Role::Radio:
            return QAccessible::RadioButton;
        case HvButton::Role::Chooser:
            return QAccessible::ComboBox;
        case HvButton::Role::Indicator:
            return QAccessible::CheckBox;
        case HvButton::Role::Auto:
            break;
        }
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const HvButton* b = button();
        if (b->isCheckable() && b->role() != HvButton::Role::Chooser) {
            state.checkable = true;
            state.checked = b->isChecked();
        }
        state.pressed = b->isDown();
        if (b->role() == HvButton::Role::Indicator)
            state.readOnly = true;
        if (b->role() == HvButton::Role::Chooser)
            state.hasPopup = true;
        return state;
    }

    // The name: the one given, else the title, else the tooltip. A chooser's title is its value,
    // the entry chosen, never its name.
    QString text(QAccessible::Text t) const override {
        const HvButton* b = button();
        const bool chooser = b->role() == HvButton::Role::Chooser;
        switch (t) {
        case QAccessible::Name:
            if (!b->accessibleName().isEmpty())
                return b->accessibleName();
            if (!chooser && !b->text().isEmpty())
                return b->text();
            return b->toolTip();
        case QAccessible::Description:
            if (!b->accessibleDescription().isEmpty())
                return b->accessibleDescription();
            // The tooltip, unless it is the name already.
            return b->toolTip() == text(QAccessible::Name) ? QString() : b->toolTip();
        case QAccessible::Value:
            return chooser ? b->text() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessibleInterface* parent() const override {
        if (HvSetpPanelObj* group = shownGroup(button()))
            return QAccessible::queryAccessibleInterface(group);
        return QAccessibleWidget::parent();
    }

    // Pressed (or toggled, for a check box) the way the pointer clicks: the button goes down, is
    // clicked from the event loop a moment later, and its action, its group and their delegates
    // follow. An indicator only shows.
    QStringList actionNames() const override {
        QStringList names;
        const HvButton* b = button();
        if (b->isEnabled() && b->role() != HvButton::Role::Indicator)
            names << (role() == QAccessible::CheckBox ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        HvButton* b = button();
        if (b->isEnabled() && b->role() != HvButton::Role::Indicator && !b->isDown())
            b->animateClick();
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && button()->role() == HvButton::Role::Chooser)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    using QAccessibleWidget::text;
    using ShownText::text;

    // A chooser's text: the entry chosen.
    QString shownText() const override { return button()->text(); }
};

// A text field that is a label: read-only text (the text role, without its editable state or
// interface), named by its accessible name; screen readers read its text when it has the focus,
// which they do not for a label.
class LabelAccessible : public QAccessibleWidget, public ShownText {
public:
    explicit LabelAccessible(HvTextField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    QString shownText() const override { return static_cast<HvTextField*>(object())->text(); }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return shownText();
        return QAccessibleWidget::text(t);
    }
    using ShownText::text;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
};

// A slider: its value in the user's units, with the words a user sees as its value text and
// description.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(HvProgressBar* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

    HvProgressBar* bar() const { return static_cast<HvProgressBar*>(object()); }

    QString text(QAccessible::Text t) const override {
        const QString words = bar()->valueWords();
        if (t == QAccessible::Value)
            return words.isEmpty() ? QString::number(bar()->spokenValue(bar()->value())) : words;
        if (t == QAccessible::Description && !words.isEmpty())
            return words;
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return bar()->spokenValue(bar()->value()); }
    void setCurrentValue(const QVariant& value) override {
        bar()->setValue(bar()->valueForSpoken(value.toDouble()));
    }
    QVariant maximumValue() const override { return bar()->spokenValue(bar()->maximum()); }
    QVariant minimumValue() const override { return bar()->spokenValue(bar()->minimum()); }
    QVariant minimumStepSize() const override { return bar()->spokenStep(); }
};

// A number field: editable text, its selection as the field holds it, and a value with its
// range; a value set by assistive technology is typed and committed, as Enter does.
class NumberFieldAccessible : public QAccessibleWidget,
                              public ShownText,
                              public QAccessibleEditableTextInterface,
                              public QAccessibleValueInterface {
public:
    explicit NumberFieldAccessible(HvNumberTextField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    HvNumberTextField* field() const { return static_cast<HvNumberTextField*>(object()); }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !field()->isReadOnly();
        state.readOnly = field()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return static_cast<QAccessibleEditableTextInterface*>(this);
        case QAccessible::ValueInterface:
            return static_cast<QAccessibleValueInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
        }
    }

    // Its selection and cursor, as the field holds them.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + field()->selectionLength();
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override {
        field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString shownText() const override { return field()->text(); }
    using ShownText::text;

    // Editable text: through the field, so that its rules on what can be typed hold.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        field()->setSelection(start, end - start);
        field()->insert(text);
    }

    // Value.
    QVariant currentValue() const override { return field()->intValue(); }
    void setCurrentValue(const QVariant& value) override {
        field()->setText(QString::number(value.toLongLong()));
        field()->commit();
    }
    QVariant maximumValue() const override { return field()->maximum(); }
    QVariant minimumValue() const override { return field()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }
};

// A radio group: a node named by the group, holding its items, in the place of its first item
// among the view's children.
class GroupAccessible : public QAccessibleObject {
public:
    explicit GroupAccessible(HvSetpPanelObj* group) : QAccessibleObject(group) {}

    HvSetpPanelObj* group() const { return static_cast<HvSetpPanelObj*>(object()); }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(group()->parent());
    }
    QWindow* window() const override {
        QAccessibleInterface* up = parent();
        return up ? up->window() : nullptr;
    }
    int childCount() const override { return int(group()->items().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto& items = group()->items();
        return index >= 0 && index < int(items.size())
                   ? QAccessible::queryAccessibleInterface(items[size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? group()->indexOf(child->object()) - 1 : -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? group()->accessibleName() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const auto& items = group()->items();
        state.invisible = std::none_of(items.begin(), items.end(),
                                       [](const HvButton* item) { return item->isVisible(); });
        state.disabled = std::none_of(items.begin(), items.end(),
                                      [](const HvButton* item) { return item->isEnabled(); });
        return state;
    }
    QRect rect() const override {
        QRect area;
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* item = child(i))
                area = area.united(item->rect());
        return area;
    }
};

// A view that shows its radio groups: its children as Qt lists a widget's (the widgets that are
// not windows), each group of its own in place of its items.
class GroupingAccessible : public QAccessibleWidget {
public:
    explicit GroupingAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QObject*> children = shown();
        return index >= 0 && index < int(children.size())
                   ? QAccessible::queryAccessibleInterface(children[size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        const std::vector<QObject*> children = shown();
        const auto at = std::find(children.begin(), children.end(), child->object());
        return at == children.end() ? -1 : int(at - children.begin());
    }

private:
    std::vector<QObject*> shown() const {
        std::vector<QObject*> out;
        for (QObject* child : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || w->isWindow() || qobject_cast<QMenu*>(w))
                continue;
            auto* button = qobject_cast<HvButton*>(w);
            if (HvSetpPanelObj* group = button ? shownGroup(button) : nullptr) {
                if (std::find(out.begin(), out.end(), group) == out.end())
                    out.push_back(group);
                continue;
            }
            out.push_back(w);
        }
        return out;
    }
};

// A message announced: a notification named by it, under the window it belongs to but not
// listed among its children.
class AnnouncerAccessible : public QAccessibleObject {
public:
    explicit AnnouncerAccessible(HvAnnouncer* announcer) : QAccessibleObject(announcer) {}

    HvAnnouncer* announcer() const { return static_cast<HvAnnouncer*>(object()); }
    QAccessibleInterface* parent() const override {
        return announcer()->owner() ? QAccessible::queryAccessibleInterface(announcer()->owner())
                                    : nullptr;
    }
    QWindow* window() const override {
        QAccessibleInterface* up = parent();
        return up ? up->window() : nullptr;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? announcer()->message() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override { return {}; }
};

// A borderless window: a frame, a dialog or an alert, by its role; named by its title.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(HvNoTitleWindow* window) : QAccessibleWidget(window) {}
    QAccessible::Role role() const override {
        return static_cast<HvNoTitleWindow*>(widget())->accessibleRole();
    }
    // Described by its own description, else by its content view's (what the view sets).
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Description || !own.isEmpty())
            return own;
        const QWidget* content = static_cast<HvNoTitleWindow*>(widget())->contentView();
        return content ? content->accessibleDescription() : QString();
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object)
        return nullptr;
    if (className == QLatin1String("HvButton"))
        return new ButtonAccessible(static_cast<HvButton*>(object));
    if (className == QLatin1String("HvMessageBox"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    if (className == QLatin1String("HvProgressBar"))
        return new SliderAccessible(static_cast<HvProgressBar*>(object));
    if (className == QLatin1String("HvAnnouncer"))
        return new AnnouncerAccessible(static_cast<HvAnnouncer*>(object));
    if (className == QLatin1String("HvSetpPanelObj"))
        return new GroupAccessible(static_cast<HvSetpPanelObj*>(object));
    if (className == QLatin1String("HvNumberTextField"))
        return new NumberFieldAccessible(static_cast<HvNumberTextField*>(object));
    if (className == QLatin1String("HvTextField") &&
        !static_cast<HvTextField*>(object)->isEditable())
        return new LabelAccessible(static_cast<HvTextField*>(object));
    if (className == QLatin1String("HvNoTitleWindow"))
        return new WindowAccessible(static_cast<HvNoTitleWindow*>(object));
    if (object->isWidgetType()) {
        const QByteArray name = className.toLatin1();
        for (const QByteArray& grouping : groupingClasses())
            if (grouping == name)
                return new GroupingAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void HvAccessible::install() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(factory); });
}

void HvAccessible::groupChildrenOf(const char* className) {
    install();
    const QByteArray name(className);
    if (std::find(groupingClasses().begin(), groupingClasses().end(), name) ==
        groupingClasses().end())
        groupingClasses().push_back(name);
}

void HvAccessible::appearAgain(QObject* object) {
    if (!object || !QAccessible::isActive())
        return;
    QAccessibleEvent shown(object, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
