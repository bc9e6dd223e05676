#pragma once
#include <QAccessible>

class QWidget;

namespace platform {

// Gives `widget` the role a screen reader announces for it, where Qt would take it
// for an anonymous panel: a window of our own as a window or a dialog, a picture
// that is pressed as a button. A button offers the press action, which emits the
// widget's clicked() signal. Call it before the widget is first shown.
void set_accessible_role(QWidget* widget, QAccessible::Role role);

// Names a control that has no label of its own on the screen. A combo box is also
// given a hidden label: Qt on Unix names a combo box by the entry it shows and tells
// a screen reader what it is only by the label it is "labelled by"; an editable one
// names its edit box too, and a scrolled view (text area, list) its scroll bars.
void name_control(QWidget* control, const QString& name);

// Asks a screen reader to speak `message` wherever its focus is, on behalf of `from`
// (Qt 6.8 and later; older Qt has no such request and the label that shows the
// message only reports its new text).
void announce(QObject* from, const QString& message);

} // namespace platform
