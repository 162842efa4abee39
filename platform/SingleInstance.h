#pragma once

#include <QString>

namespace platform {

/// One clock per user. The first copy takes a lock file in a directory only this user can write
/// and keeps it until it ends; the kernel drops the lock of a copy that crashed or was killed.
class SingleInstance
{
public:
    /// Takes the lock for the rest of this process if it is free; true if another copy holds it.
    [[nodiscard]] static bool anotherCopyIsRunning();
    /// Gives the lock up; the program does this as it ends.
    static void release();

    /// The directory the lock lives in: $XDG_RUNTIME_DIR when it is this user's and writable,
    /// otherwise a private folder of this user's under the temporary directory, otherwise one under
    /// the cache directory. Empty when none can be had.
    [[nodiscard]] static QString lockDirectory();
};

} // namespace platform
