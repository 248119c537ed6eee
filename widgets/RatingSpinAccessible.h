#pragma once
// What assistive technology sees of a rating control: a spin box named by
// its rating ("Mood") whose value is the number and whose value text is the
// label the user reads ("Good"); setting the value moves it as a step would.

#include <QAccessible>
#include <QAccessibleWidget>

class CRatingSpin;

class CRatingSpinAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit CRatingSpinAccessible(CRatingSpin* spin);

    // Registers the factory once; every CRatingSpin calls it.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    CRatingSpin* Spin() const;
};
