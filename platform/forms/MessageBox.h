#pragma once

#include <QString>

namespace platform {

/// The modal message box: it returns when the user has closed it.
class MessageBox
{
public:
    /// Exclamation icon, OK button only.
    static void exclamation(const QString &text, const QString &caption);
    /// Critical icon, OK button only.
    static void critical(const QString &text, const QString &caption);
};

} // namespace platform
