#include "clock/ClockAccessibility.h"

#include "clock/ReadoutLabel.h"

#include <QAccessibleWidget>

using namespace Qt::StringLiterals;

namespace clockwindow {

namespace {

class ShownTime : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && role() == QAccessible::StaticText))
            return shown();
        return QAccessibleWidget::text(kind);
    }

private:
    QString shown() const
    {
        if (const auto *readout = qobject_cast<const ReadoutLabel *>(widget()))
            return readout->text();
        for (const ReadoutLabel *readout : widget()->findChildren<ReadoutLabel *>()) {
            if (readout->isVisibleTo(widget()))
                return readout->text();
        }
        return {};
    }
};

QAccessibleInterface *clockInterface(const QString &className, QObject *object)
{
    if (className == u"clockwindow::ReadoutLabel"_s)
        return new ShownTime(static_cast<QWidget *>(object), QAccessible::StaticText);
    if (className == u"Form1"_s)
        return new ShownTime(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installClockAccessibility()
{
    static const bool installed = (QAccessible::installFactory(clockInterface), true);
    Q_UNUSED(installed);
}

} // namespace clockwindow
