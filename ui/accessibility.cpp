#include "ui/accessibility.h"

#include "ui/calculator/output_box.h"
#include "ui/calculator/output_box_accessible.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace plicora {
namespace {

const char* const roleProperty = "plicoraAccessibleRole";

QAccessibleInterface* interfaceWithRole(const QString&, QObject* object) {
    if (auto* box = qobject_cast<OutputBox*>(object))
        return new OutputBoxAccessible(box);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(roleProperty);
    return role.isValid()
               ? new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()))
               : nullptr;
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(roleProperty, static_cast<int>(role));
}

void installAccessibleRoles() {
    QAccessible::installFactory(interfaceWithRole);
}

} // namespace plicora
