#include "platform/forms/RuntimeError.h"

using namespace Qt::StringLiterals;

namespace platform {

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{
}

QString RuntimeError::reportText() const
{
    return u"実行時エラー '%1':\n\n%2"_s.arg(m_number).arg(m_description);
}

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(6, u"オーバーフローしました。"_s);
}

RuntimeError RuntimeError::typeMismatch()
{
    return RuntimeError(13, u"型が一致しません。"_s);
}

RuntimeError RuntimeError::failedCall(const QString &what)
{
    return RuntimeError(5, u"プロシージャの呼び出し、または引数が不正です。(%1)"_s.arg(what));
}

} // namespace platform
