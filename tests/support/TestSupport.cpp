#include "TestSupport.h"

using namespace Qt::StringLiterals;

void moveMouse(QWidget &widget, QPoint local, Qt::MouseButtons held)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(local), widget.mapToGlobal(QPointF(local)), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

void whenModalAppears(std::function<void(QWidget *)> action, int triesLeft)
{
    QTimer::singleShot(10, qApp, [action = std::move(action), triesLeft] {
        if (QWidget *modal = QApplication::activeModalWidget())
            action(modal);
        else if (triesLeft > 0)
            whenModalAppears(action, triesLeft - 1);
    });
}

QString selectedInMenuOpenedBy(const std::function<void()> &open, QRect *where)
{
    QString selected = u"no menu"_s;
    QTimer look; // gone with this call when no menu held it open
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, &look, [&selected, where] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            selected = menu->activeAction() ? menu->activeAction()->text() : u"nothing"_s;
            if (where)
                *where = menu->geometry();
            menu->close();
        }
    });
    look.start(800);
    open();
    return selected;
}

QImage shownPixels(QWidget &window)
{
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

bool matchesReference(const QImage &image, const QString &name)
{
    const QString path = QStringLiteral(TESTS_DIR "/%1" REFERENCE_SUFFIX ".png").arg(name);
    const QImage reference(path);
    if (!reference.isNull() && reference.convertToFormat(QImage::Format_RGB32) == image.convertToFormat(QImage::Format_RGB32))
        return true;
    const QString saved = reference.isNull() ? path : QFileInfo(path).fileName().replace(u".png"_s, u"-actual.png"_s);
    image.save(saved);
    qWarning("the picture is in %s", qPrintable(saved));
    return false;
}
