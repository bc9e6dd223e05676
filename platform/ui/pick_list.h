#pragma once
#include <QComboBox>

namespace platform {

// An editable drop-down list that tells only of real picks: an item chosen in
// the open list (mouse or keys) or with the list's own keys (arrows, page keys,
// wheel). Qt also reports an activation when typing ends (Return, Tab, opening
// the list, any focus change) on a text that matches an item; that one is kept
// quiet here, so typed text applies nothing until it is picked or entered.
// The keys reach the combo box itself (its line edit hands it the focus), so
// they are read here, not on the line edit.
class PickList final : public QComboBox {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent = nullptr);

signals:
    void picked(int index);
    // Return or keypad Enter without Shift, Ctrl or Alt while the list is closed.
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool typing_ends_ = false; // inside the events that end typing
};

} // namespace platform
