#include "platform/forms/FormStyle.h"

#include <QStyleFactory>
#include <QStyleOptionFocusRect>

using namespace Qt::StringLiterals;

namespace platform {

FormStyle::FormStyle()
    : QProxyStyle(QStyleFactory::create(u"Fusion"_s))
    , m_frames(QStyleFactory::create(u"Windows"_s))
{
}

FormStyle::~FormStyle() = default;

QRect FormStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                               const QWidget *widget) const
{
    if (control == CC_GroupBox)
        return m_frames->subControlRect(control, option, subControl, widget);
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

void FormStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                   const QWidget *widget) const
{
    if (control == CC_GroupBox) {
        m_frames->drawComplexControl(control, option, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ScrollBar && option->state.testFlag(State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = subControlRect(control, option, SC_ScrollBarSlider, widget).adjusted(1, 1, -1, -1);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

} // namespace platform
