#include "clock/Form1.h"
#include "platform/FormApplication.h"
#include "platform/FormRuntime.h"
#include "platform/SingleInstance.h"

int main(int argc, char *argv[])
{
    using platform::FormRuntime;
    platform::FormApplication::configureWindowSystem();
    platform::FormApplication application(argc, argv);

    FormRuntime::runHandler([] {
        Form1 &clock = platform::defaultInstance<Form1>();
        if (!FormRuntime::hasEnded())
            FormRuntime::show(clock);
    });
    const int status = FormRuntime::hasEnded() ? FormRuntime::exitStatus() : application.exec();
    FormRuntime::unloadAll();
    platform::SingleInstance::release();
    return status;
}
