// What Windows itself knows of the program's windows, one line per visible top-level window with
// this title: "x y width height toolwindow=B appwindow=B owned=B topmost=B layered=B alpha=N iconic=B";
// or the display's resolution changed, as a user changes it in Windows' settings.
// Usage: window_probe TITLE | window_probe --resolution WIDTH HEIGHT
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t *argv[])
{
    if (argc == 4 && std::wcscmp(argv[1], L"--resolution") == 0) {
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = std::wcstoul(argv[2], nullptr, 10);
        mode.dmPelsHeight = std::wcstoul(argv[3], nullptr, 10);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
    }
    if (argc != 2)
        return 2;
    struct Search
    {
        const wchar_t *title;
        int found = 0;
    } search{argv[1]};
    EnumWindows([](HWND window, LPARAM parameter) -> BOOL {
        auto &search = *reinterpret_cast<Search *>(parameter);
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        if (!IsWindowVisible(window) || std::wcscmp(search.title, title) != 0)
            return TRUE;
        RECT place{};
        GetWindowRect(window, &place);
        const LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
        BYTE alpha = 255;
        DWORD flags = 0;
        if ((extended & WS_EX_LAYERED) && GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && !(flags & LWA_ALPHA))
            alpha = 255;
        std::printf("%ld %ld %ld %ld toolwindow=%d appwindow=%d owned=%d topmost=%d layered=%d alpha=%d iconic=%d\n", place.left,
                    place.top, place.right - place.left, place.bottom - place.top, (extended & WS_EX_TOOLWINDOW) != 0,
                    (extended & WS_EX_APPWINDOW) != 0, GetWindow(window, GW_OWNER) != nullptr,
                    (extended & WS_EX_TOPMOST) != 0, (extended & WS_EX_LAYERED) != 0, int(alpha), IsIconic(window) != 0);
        ++search.found;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found > 0 ? 0 : 1;
}
