#include "address_box_accessible.h"
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

const char kNamedBox[] = "suite_named_address_box";

class AddressBoxAccessible final : public QAccessibleWidget {
public:
    explicit AddressBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name)
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* address_box_factory(const QString&, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (box && box->property(kNamedBox).toBool())
        return new AddressBoxAccessible(box);
    return nullptr;
}

} // namespace

void name_address_box(QComboBox* box)
{
    static const bool installed = [] {
        QAccessible::installFactory(address_box_factory);
        return true;
    }();
    (void)installed;
    box->setProperty(kNamedBox, true);
}
