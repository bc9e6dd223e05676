#pragma once
// What a screen reader finds in a window: the window walked through Qt's accessibility
// interfaces, as the AT-SPI bridge walks it, for what a user reaches and cannot name.
//
//     QStringList found = accessible_walk::unnamed_controls(window);
//     QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
//
// A control counts when it takes the focus, offers an action (press, toggle...) or
// has a role a user works with (button, edit box, list, combo box...). It is named
// when a label tells what it is (the "labelled by" a screen reader reads first) or
// its name says something, and not only its value: a combo box named by the entry
// it shows ("/", "10") or an edit box by its text is unnamed to a listener.
// The window itself must be a window or a dialog, not an anonymous panel.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QStringList>
#include <QWidget>

namespace accessible_walk {

inline QString describe(QAccessibleInterface* iface)
{
    QString what = QString::number(int(iface->role()), 16);
    if (QObject* o = iface->object()) {
        what = QLatin1String(o->metaObject()->className());
        if (!o->objectName().isEmpty())
            what += QLatin1Char(' ') + o->objectName();
    }
    return QStringLiteral("%1 (role 0x%2)").arg(what).arg(int(iface->role()), 0, 16);
}

inline bool works_with(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::Link:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonDropGrid:
    case QAccessible::HotkeyField:
        return true;
    default:
        return false;
    }
}

// Something to act on, beyond taking the focus or scrolling.
inline bool has_action(QAccessibleInterface* iface)
{
    QAccessibleActionInterface* actions = iface->actionInterface();
    if (!actions)
        return false;
    const QStringList passive = {QAccessibleActionInterface::setFocusAction(),
                                 QAccessibleActionInterface::scrollUpAction(),
                                 QAccessibleActionInterface::scrollDownAction(),
                                 QAccessibleActionInterface::scrollLeftAction(),
                                 QAccessibleActionInterface::scrollRightAction()};
    for (const QString& name : actions->actionNames())
        if (!passive.contains(name))
            return true;
    return false;
}

// Named by a label (a screen reader's "labelled by"), which it reads before the name.
inline bool labelled(QAccessibleInterface* iface)
{
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        if (label && !label->text(QAccessible::Name).trimmed().isEmpty())
            return true;
    return false;
}

inline void walk(QAccessibleInterface* iface, const QString& path, QStringList& found, int depth)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    const QAccessible::Role role = iface->role();
    const QString here = path + QStringLiteral(" > ") + describe(iface);
    const bool reached = state.focusable || has_action(iface) || works_with(role);
    if (reached && !state.disabled) {
        const QString name = iface->text(QAccessible::Name).trimmed();
        // Where the name is the content (Qt on Unix names a combo box by its entry).
        const bool holds_value = role == QAccessible::ComboBox || role == QAccessible::EditableText
                                 || role == QAccessible::SpinBox;
        const QString value = holds_value ? iface->text(QAccessible::Value).trimmed() : QString();
        if (!labelled(iface)) {
            if (name.isEmpty())
                found << here + QStringLiteral(": no name");
            else if (!value.isEmpty() && name == value)
                found << here + QStringLiteral(": named only by its value \"%1\"").arg(name);
        }
    }
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), here, found, depth + 1);
}

// Everything wrong in `window` (shown), one line each: its path, what it is, what it lacks.
inline QStringList unnamed_controls(QWidget* window)
{
    QStringList found;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return {QStringLiteral("%1: no accessible interface").arg(window->metaObject()->className())};
    const QString top = describe(root) + QStringLiteral(" \"") + root->text(QAccessible::Name) + QLatin1Char('"');
    if (root->role() != QAccessible::Window && root->role() != QAccessible::Dialog)
        found << top + QStringLiteral(": neither a window nor a dialog");
    if (root->text(QAccessible::Name).trimmed().isEmpty())
        found << top + QStringLiteral(": a window without a name");
    for (int i = 0; i < root->childCount(); ++i)
        walk(root->child(i), top, found, 1);
    return found;
}

// The same for every window shown now but those in `except`.
inline QStringList unnamed_controls_in_shown_windows(const QList<QWidget*>& except = {})
{
    QStringList found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !except.contains(w) && !w->inherits("QMenu"))
            found << unnamed_controls(w);
    return found;
}

} // namespace accessible_walk
