#include "pick_list.h"
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace platform {

PickList::PickList(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!typing_ends_)
            emit picked(index);
    });
}

void PickList::keyPressEvent(QKeyEvent* event)
{
    // With the list open the keys go to the list, not here: Return there is a pick.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    {
        const QScopedValueRollback guard(typing_ends_, typing_ends_ || enter);
        QComboBox::keyPressEvent(event);
    }
    if (enter && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        emit entered();
}

void PickList::focusOutEvent(QFocusEvent* event)
{
    const QScopedValueRollback guard(typing_ends_, true);
    QComboBox::focusOutEvent(event);
}

} // namespace platform
