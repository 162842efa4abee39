#include "platform/WindowOpacity.h"

#include <QWidget>

namespace platform {

void setWindowAlpha(QWidget &window, std::uint8_t alpha)
{
    window.setWindowOpacity(alpha / 255.0);
}

std::uint8_t windowAlpha(const QWidget &window)
{
    return std::uint8_t(qRound(window.windowOpacity() * 255));
}

} // namespace platform
