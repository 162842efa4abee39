#pragma once

#include "platform/forms/FormRuntime.h"

#include <memory>

class QAction;
class QMenu;

/// The invisible form that carries the clock's pop-up menu. It is never shown.
class Form2 : public platform::Form
{
    Q_OBJECT
public:
    Form2();
    ~Form2() override;

    /// The menu control array mnuFile; its one element has index 1.
    [[nodiscard]] QMenu *mnuFile(int index) const;
    /// The item array about under mnuFile; its one element has index 11, captioned "設定".
    [[nodiscard]] QAction *about(int index) const;

    void about_Click(int index);

    static constexpr int mnuFileIndex = 1;
    static constexpr int aboutIndex = 11;

private:
    /// Not a child of the form: a child would give the never-shown form a native window, which
    /// assistive technology would then offer as one of the program's windows.
    std::unique_ptr<QMenu> m_mnuFile;
    QAction *m_about;
};
