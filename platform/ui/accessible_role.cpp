#include "accessible_role.h"
#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace platform {
namespace {

constexpr const char* kRoleProperty = "suite_accessible_role";

// A plain widget in the role it was given; a button also answers the press action.
class RoleAccessible final : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (presses())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && presses())
            QMetaObject::invokeMethod(widget(), "clicked");
        else
            QAccessibleWidget::doAction(name);
    }

private:
    bool presses() const
    {
        return role() == QAccessible::Button && widget()->isEnabled()
               && widget()->metaObject()->indexOfSignal("clicked()") >= 0;
    }
};

QAccessibleInterface* role_factory(const QString& class_name, QObject* object)
{
    // Asked for the widget's own class only, so that the role holds however it was derived.
    if (!object || !object->isWidgetType() || class_name != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new RoleAccessible(static_cast<QWidget*>(object), QAccessible::Role(role.toInt()));
}

} // namespace

void set_accessible_role(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(role_factory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, int(role));
    // Setting a title or a name may already have made the widget's interface in the
    // old role; the next query makes it anew.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void name_control(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        area->verticalScrollBar()->setAccessibleName(name + QString::fromUtf8(" 縦スクロール"));
        area->horizontalScrollBar()->setAccessibleName(name + QString::fromUtf8(" 横スクロール"));
    }
    auto* combo = qobject_cast<QComboBox*>(control);
    if (!combo)
        return;
    if (QLineEdit* edit = combo->lineEdit())
        edit->setAccessibleName(name);
    if (QWidget* parent = combo->parentWidget()) {
        auto* label = new QLabel(name, parent);
        label->setObjectName(combo->objectName() + QStringLiteral("_label"));
        label->setBuddy(combo);
        label->hide();
    }
}

void announce(QObject* from, const QString& message)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(from, message);
    QAccessible::updateAccessibility(&event);
#else
    (void)from;
    (void)message;
#endif
}

} // namespace platform
