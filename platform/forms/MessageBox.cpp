#include "platform/forms/MessageBox.h"

#include <QMessageBox>

namespace platform {

namespace {

void showModal(QMessageBox::Icon icon, const QString &text, const QString &caption)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace

void MessageBox::exclamation(const QString &text, const QString &caption)
{
    showModal(QMessageBox::Warning, text, caption);
}

void MessageBox::critical(const QString &text, const QString &caption)
{
    showModal(QMessageBox::Critical, text, caption);
}

} // namespace platform
