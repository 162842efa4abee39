#pragma once

#include <QProxyStyle>

#include <memory>

namespace platform {

/// How the forms' controls look: Qt's Fusion, except that frames are drawn the classic way, with
/// the title set into the frame's top line (so that options laid out near the top sit inside the
/// frame), and that a slider shows when it has the keyboard focus.
class FormStyle : public QProxyStyle
{
public:
    FormStyle();
    ~FormStyle() override;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;

private:
    std::unique_ptr<QStyle> m_frames;
};

} // namespace platform
