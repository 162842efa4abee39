#include "platform/forms/FormAccessibility.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

class SliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SliderAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(slider()->value());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    [[nodiscard]] QAbstractSlider *slider() const { return static_cast<QAbstractSlider *>(widget()); }
};

bool scrollsSomething(const QWidget &scrollBar)
{
    for (const QWidget *parent = scrollBar.parentWidget(); parent; parent = parent->parentWidget()) {
        if (parent->inherits("QAbstractScrollArea"))
            return true;
    }
    return false;
}

QAccessibleInterface *formInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == u"Form3"_s || className == u"Form4"_s)
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    // Asked as it is made, before its focus policy is set: a scroll bar that scrolls nothing is
    // one of the layout's sliders.
    if (className == u"QScrollBar"_s && static_cast<QScrollBar *>(widget)->orientation() == Qt::Horizontal
        && !scrollsSomething(*widget))
        return new SliderAccessible(widget);
    return nullptr;
}

} // namespace

void installFormAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formInterface), true);
    Q_UNUSED(installed);
}

} // namespace platform
