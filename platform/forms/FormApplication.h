#pragma once

#include <QApplication>

namespace platform {

/// The application object: sets the program's title and icon, keeps running while only hidden
/// forms are left, and turns an error that escapes any handler into the run-time error report.
class FormApplication : public QApplication
{
    Q_OBJECT
public:
    FormApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace platform
