#include "clock/Form1.h"
#include "platform/forms/FormApplication.h"
#include "platform/forms/FormRuntime.h"
#include "platform/forms/SingleInstance.h"
#include "platform/window/WindowSystem.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    using platform::FormRuntime;
    if (const QString problem = platform::windowSystem::choose(); !problem.isEmpty()) {
        std::fprintf(stderr, "pomuri: %s\n", qUtf8Printable(problem));
        return 1;
    }
    platform::FormApplication application(argc, argv);
    const int status = FormRuntime::start<Form1>() ? application.exec() : FormRuntime::exitStatus();
    FormRuntime::unloadAll();
    platform::SingleInstance::release();
    return status;
}
