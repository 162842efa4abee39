#include "platform/forms/SingleInstance.h"

#include <windows.h>

#include <sddl.h>

#include <string>
#include <vector>

namespace platform {

namespace {

HANDLE heldMutex = nullptr;

/// This user's security identifier as text ("S-1-5-21-…"), or nothing if it cannot be read.
std::wstring userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    std::wstring text;
    LPWSTR sid = nullptr;
    if (size > 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(user.data())->User.Sid, &sid)) {
        text = sid;
        LocalFree(sid);
    }
    CloseHandle(token);
    return text;
}

} // namespace

void SingleInstance::release()
{
    if (heldMutex) {
        CloseHandle(heldMutex);
        heldMutex = nullptr;
    }
}

bool SingleInstance::anotherCopyIsRunning()
{
    if (heldMutex)
        return false;
    // A named object lives while any process holds it, and Windows closes the handles of a process
    // however it ends. "Local\" is this session's namespace; the user's SID keeps apart a copy
    // another user started in the same session (runas).
    const std::wstring name = L"Local\\com.example.pomuri.clock." + userSid();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex)
        return GetLastError() == ERROR_ACCESS_DENIED; // it exists, made by a copy running elevated
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    heldMutex = mutex;
    return false;
}

} // namespace platform
