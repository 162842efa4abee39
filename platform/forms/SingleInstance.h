#pragma once

#include <QString>

namespace platform {

/// One clock per user (on Windows, per user and session), wherever the program file was started
/// from. The first copy holds a lock until it ends; the system drops the lock of a copy that
/// crashed or was killed.
class SingleInstance
{
public:
    /// Takes the lock for the rest of this process if it is free; true if another copy holds it.
    [[nodiscard]] static bool anotherCopyIsRunning();
    /// Gives the lock up; the program does this as it ends.
    static void release();
};

} // namespace platform
