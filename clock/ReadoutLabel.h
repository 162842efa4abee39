#pragma once

#include <QLabel>

namespace clockwindow {

/// A digital readout on the clock face. Unlike a plain label it keeps the mouse to itself, so a
/// press on it never drags the clock or opens its menu; it reports the release instead.
class ReadoutLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ReadoutLabel(const QString &caption, QWidget *parent);

    /// Opaque (the form's button-face colour behind the text) or transparent.
    void setTransparentBackground(bool transparent);
    [[nodiscard]] bool hasTransparentBackground() const { return !autoFillBackground(); }

Q_SIGNALS:
    void released(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace clockwindow
