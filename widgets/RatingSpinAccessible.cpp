#include "widgets/RatingSpinAccessible.h"

#include "widgets/RatingSpin.h"

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CRatingSpin") && object != nullptr && object->isWidgetType()) {
        return new CRatingSpinAccessible(static_cast<CRatingSpin*>(object));
    }
    return nullptr;
}

} // namespace

CRatingSpinAccessible::CRatingSpinAccessible(CRatingSpin* spin)
    : QAccessibleWidget(spin, QAccessible::SpinBox)
{
}

void CRatingSpinAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

CRatingSpin* CRatingSpinAccessible::Spin() const
{
    return static_cast<CRatingSpin*>(widget());
}

void* CRatingSpinAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString CRatingSpinAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) {
        return Spin()->ValueText();
    }
    return QAccessibleWidget::text(type);
}

QVariant CRatingSpinAccessible::currentValue() const
{
    return Spin()->Value();
}

void CRatingSpinAccessible::setCurrentValue(const QVariant& value)
{
    Spin()->StepTo(value.toInt());
}

QVariant CRatingSpinAccessible::maximumValue() const
{
    return Spin()->Highest();
}

QVariant CRatingSpinAccessible::minimumValue() const
{
    return Spin()->Lowest();
}

QVariant CRatingSpinAccessible::minimumStepSize() const
{
    return 1;
}
