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

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::StaticText) {
            state.focusable = true;
            state.focused = widget()->isVisible() && widget()->isActiveWindow();
        }
        return state;
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

class AnnouncementText : public QAccessibleWidget
{
public:
    explicit AnnouncementText(Announcement *announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Announcement *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *clockInterface(const QString &className, QObject *object)
{
    if (className == u"clockwindow::ReadoutLabel"_s)
        return new ShownTime(static_cast<QWidget *>(object), QAccessible::StaticText);
    if (className == u"Form1"_s)
        return new ShownTime(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == u"clockwindow::Announcement"_s)
        return new AnnouncementText(static_cast<Announcement *>(object));
    return nullptr;
}

} // namespace

void tellScreenReaderOfFocus(QWidget &readout)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent focus(&readout, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void installClockAccessibility()
{
    static const bool installed = (QAccessible::installFactory(clockInterface), true);
    Q_UNUSED(installed);
}

} // namespace clockwindow
