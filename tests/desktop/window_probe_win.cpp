// What Windows itself knows of the program's windows, one line per visible top-level window with
// this title: "x y width height toolwindow=B appwindow=B owned=B topmost=B layered=B alpha=N".
// Usage: window_probe TITLE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search
{
    std::wstring title;
    int found = 0;
};

BOOL CALLBACK report(HWND window, LPARAM parameter)
{
    auto &search = *reinterpret_cast<Search *>(parameter);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (!IsWindowVisible(window) || search.title != title)
        return TRUE;
    RECT place{};
    GetWindowRect(window, &place);
    const LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
    BYTE alpha = 255;
    DWORD flags = 0;
    const bool layered = extended & WS_EX_LAYERED;
    if (layered && GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && !(flags & LWA_ALPHA))
        alpha = 255;
    std::printf("%ld %ld %ld %ld toolwindow=%d appwindow=%d owned=%d topmost=%d layered=%d alpha=%d iconic=%d\n", place.left,
                place.top, place.right - place.left, place.bottom - place.top, (extended & WS_EX_TOOLWINDOW) != 0,
                (extended & WS_EX_APPWINDOW) != 0, GetWindow(window, GW_OWNER) != nullptr,
                (extended & WS_EX_TOPMOST) != 0, layered, int(alpha), IsIconic(window) != 0);
    ++search.found;
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 2)
        return 2;
    Search search{argv[1]};
    EnumWindows(report, reinterpret_cast<LPARAM>(&search));
    return search.found > 0 ? 0 : 1;
}
