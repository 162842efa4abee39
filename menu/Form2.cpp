#include "menu/Form2.h"

#include "platform/forms/RuntimeError.h"
#include "settings/Form4.h"

#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

void requireIndex(int index, int only)
{
    if (index != only)
        throw platform::RuntimeError(340, u"コントロール配列の要素 '%1' は存在しません。"_s.arg(index));
}

} // namespace

Form2::Form2()
    : platform::Form(Qt::Tool)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Form2"_s);
    m_mnuFile = std::make_unique<QMenu>(u"ファイル"_s);
    m_mnuFile->setObjectName(u"mnuFile"_s);
    // A title lets desktop tools find the pop-up.
    m_mnuFile->setWindowTitle(u"ファイル"_s);
    m_about = m_mnuFile->addAction(u"設定"_s);
    m_about->setObjectName(u"about"_s);
    connect(m_about, &QAction::triggered, this, [this] { about_Click(aboutIndex); });
}

Form2::~Form2() = default;

QMenu *Form2::mnuFile(int index) const
{
    requireIndex(index, mnuFileIndex);
    return m_mnuFile.get();
}

QAction *Form2::about(int index) const
{
    requireIndex(index, aboutIndex);
    return m_about;
}

void Form2::about_Click(int)
{
    platform::FormRuntime::show(platform::defaultInstance<Form4>());
}
