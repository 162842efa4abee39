#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

/// An error that ends the program: reported in a message box, then the program exits non-zero.
/// Handlers never trap these; the application object catches whatever escapes a handler.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &description);

    [[nodiscard]] int number() const { return m_number; }
    [[nodiscard]] QString description() const { return m_description; }
    /// The text of the report box, e.g. "実行時エラー '6':\n\nオーバーフローしました。".
    [[nodiscard]] QString reportText() const;

    [[nodiscard]] static RuntimeError overflow();
    [[nodiscard]] static RuntimeError typeMismatch();
    [[nodiscard]] static RuntimeError failedCall(const QString &what);

private:
    int m_number;
    QString m_description;
};

} // namespace platform
