// rwdriver: a small console program that finds the program's windows and pokes them the
// way Windows would, for the end-to-end tests under Wine.
//
// Windows are named by "class=NAME", "title=TEXT" or both joined with ';' (top-level windows);
// adding ";child=TEXT" picks the descendant window with that text instead (a property page);
// adding ";visible" skips hidden windows (the shell's balloon beside its hidden tooltip).
// Texts on the command line and in the output are UTF-8; numbers may be decimal or 0x-hex.
//
//   wait WINDOW [ms]                 wait until the window exists; prints its handle
//   wait-gone WINDOW [ms]            wait until no such window exists
//   post WINDOW MSG WPARAM LPARAM    PostMessage
//   send WINDOW MSG WPARAM LPARAM    SendMessageTimeout (1 s); prints the result
//   rect WINDOW                      window rectangle: x y width height
//   client WINDOW                    client area in screen coordinates: x y width height
//   opacity WINDOW                   layered alpha (GetLayeredWindowAttributes), -1 if none
//   text WINDOW [ID]                 text of the window, or of its control ID
//   set-text WINDOW ID TEXT          WM_SETTEXT on control ID
//   controls WINDOW                  one line per child: id class visible text
//   command WINDOW ID                posts WM_COMMAND(ID, BN_CLICKED) as a button press does
//   bm-click WINDOW ID               posts BM_CLICK to control ID (radio and check boxes)
//   checked WINDOW ID                BM_GETCHECK of control ID
//   key WINDOW VK                    posts WM_KEYDOWN/WM_KEYUP of VK to the focused control
//   follow WINDOW MS                 samples rect and layered alpha every ~2 ms until the window
//                                  has left the parked state (5 x 5 at 0,0, alpha 0) and stayed
//                                  back in it for 0.5 s, or MS passed (exit 1); prints
//                                  "ms x y w h alpha" at each change
//   wait-cover WINDOW X Y MARGIN MS  waits until screen point X,Y lies MARGIN px inside the window
//   in-shape WINDOW X Y [X Y ...]    per screen point 1 if inside the window's shape (rect and
//                                  region, GetWindowRgn), else 0; all read at one moment
//   pixel X Y                      screen pixel as RRGGBB
//   client-pixel WINDOW X Y          pixel at client coordinates of the window
//   gdi WINDOW                       GDI object count of the window's process (GetGuiResources)
//   list                           every top-level window: handle class visible title
//   keep                           waits forever (keeps the Wine session warm)
//   cover                          a borderless window over the whole screen, brought to the
//                                  front; stays until the driver is killed
//   shortcut PATH                  target and working folder of a shell link, one a line
#include <windows.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring wide(const std::string& s) {
    int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0);
    std::wstring out(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, &out[0], n);
    return out;
}

std::string utf8(const std::wstring& s) {
    int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring ansiWide(const char* s) {
    int n = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
    std::wstring out(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_ACP, 0, s, -1, &out[0], n);
    return out;
}

long long number(const char* s) { return std::strtoll(s, nullptr, 0); }

std::wstring windowText(HWND w) {
    wchar_t buffer[1024] = {};
    DWORD_PTR length = 0;
    // SendMessageTimeout so that a window busy in a modal loop cannot hang the driver.
    SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 1000, &length);
    return buffer;
}

std::wstring className(HWND w) {
    wchar_t buffer[256] = {};
    GetClassNameW(w, buffer, 256);
    return buffer;
}

struct Target {
    std::wstring cls, title, child;
    bool hasClass = false, hasTitle = false, hasChild = false, onlyVisible = false;
};

Target parseTarget(const std::string& text) {
    Target target;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(start, end - start);
        if (part.rfind("class=", 0) == 0) {
            target.cls = wide(part.substr(6));
            target.hasClass = true;
        } else if (part.rfind("title=", 0) == 0) {
            target.title = wide(part.substr(6));
            target.hasTitle = true;
        } else if (part.rfind("child=", 0) == 0) {
            target.child = wide(part.substr(6));
            target.hasChild = true;
        } else if (part == "visible") {
            target.onlyVisible = true;
        }
        start = end + 1;
    }
    return target;
}

struct Search {
    const Target* target;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND w, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    if (search->target->hasClass && className(w) != search->target->cls) return TRUE;
    if (search->target->onlyVisible && !IsWindowVisible(w)) return TRUE;
    if (search->target->hasTitle) {
        wchar_t title[512] = {};
        GetWindowTextW(w, title, 512);
        if (search->target->title != title) return TRUE;
    }
    search->found = w;
    return FALSE;
}

BOOL CALLBACK matchChild(HWND w, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    wchar_t title[512] = {};
    GetWindowTextW(w, title, 512);
    if (search->target->child != title) return TRUE;
    search->found = w;
    return FALSE;
}

HWND find(const std::string& text) {
    Target target = parseTarget(text);
    Search search{&target, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found && target.hasChild) {
        HWND top = search.found;
        search.found = nullptr;
        EnumChildWindows(top, matchChild, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

HWND need(const std::string& text) {
    HWND w = find(text);
    if (!w) {
        std::fprintf(stderr, "rwdriver: no window %s\n", text.c_str());
        std::exit(1);
    }
    return w;
}

HWND control(HWND dialog, const char* id) {
    HWND c = GetDlgItem(dialog, static_cast<int>(number(id)));
    if (!c) {
        std::fprintf(stderr, "rwdriver: no control %s\n", id);
        std::exit(1);
    }
    return c;
}

BOOL CALLBACK listChild(HWND w, LPARAM parent) {
    if (GetParent(w) != reinterpret_cast<HWND>(parent)) return TRUE;
    std::printf("%d %s %d %s\n", GetDlgCtrlID(w), utf8(className(w)).c_str(), IsWindowVisible(w) ? 1 : 0,
                utf8(windowText(w)).c_str());
    return TRUE;
}

BOOL CALLBACK listTop(HWND w, LPARAM) {
    wchar_t title[512] = {};
    GetWindowTextW(w, title, 512);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    std::printf("%p %s %d %lu %s\n", static_cast<void*>(w), utf8(className(w)).c_str(), IsWindowVisible(w) ? 1 : 0,
                static_cast<unsigned long>(pid), utf8(title).c_str());
    return TRUE;
}

COLORREF screenPixel(int x, int y) {
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

void printColor(COLORREF c) {
    if (c == CLR_INVALID) {
        std::printf("invalid\n");
        return;
    }
    std::printf("%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
}

int usage() {
    std::fprintf(stderr, "usage: rwdriver COMMAND ARGS (see the source)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    // Wine hands a console program its arguments in the ANSI code page (932 here), not in
    // UTF-8: turn them into the UTF-8 the rest of the driver expects.
    std::vector<std::string> utf8Args;
    std::vector<char*> utf8Argv;
    for (int i = 0; i < argc; ++i) {
        int n = MultiByteToWideChar(CP_ACP, 0, argv[i], -1, nullptr, 0);
        std::wstring w(n > 0 ? n - 1 : 0, L'\0');
        if (n > 1) MultiByteToWideChar(CP_ACP, 0, argv[i], -1, &w[0], n);
        utf8Args.push_back(utf8(w));
    }
    for (auto& a : utf8Args) utf8Argv.push_back(&a[0]);
    argv = utf8Argv.data();
    std::string cmd = argv[1];
    auto arg = [&](int i) -> const char* {
        if (i >= argc) std::exit(usage());
        return argv[i];
    };

    if (cmd == "wait" || cmd == "wait-gone") {
        DWORD timeout = argc > 3 ? static_cast<DWORD>(number(argv[3])) : 10000;
        DWORD start = GetTickCount();
        for (;;) {
            HWND w = find(arg(2));
            if (cmd == "wait" && w) {
                std::printf("%p\n", static_cast<void*>(w));
                return 0;
            }
            if (cmd == "wait-gone" && !w) return 0;
            if (GetTickCount() - start > timeout) {
                std::fprintf(stderr, "rwdriver: timed out on %s %s\n", cmd.c_str(), argv[2]);
                return 1;
            }
            Sleep(50);
        }
    }
    if (cmd == "post") {
        HWND w = need(arg(2));
        return PostMessageW(w, static_cast<UINT>(number(arg(3))), static_cast<WPARAM>(number(arg(4))),
                            static_cast<LPARAM>(number(arg(5))))
                   ? 0
                   : 1;
    }
    if (cmd == "send") {
        HWND w = need(arg(2));
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(w, static_cast<UINT>(number(arg(3))), static_cast<WPARAM>(number(arg(4))),
                                 static_cast<LPARAM>(number(arg(5))), SMTO_ABORTIFHUNG, 1000, &result))
            return 1;
        std::printf("%lld\n", static_cast<long long>(result));
        return 0;
    }
    if (cmd == "rect") {
        RECT r;
        GetWindowRect(need(arg(2)), &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (cmd == "client") {
        HWND w = need(arg(2));
        RECT r;
        GetClientRect(w, &r);
        POINT p = {0, 0};
        ClientToScreen(w, &p);
        std::printf("%ld %ld %ld %ld\n", p.x, p.y, r.right, r.bottom);
        return 0;
    }
    if (cmd == "opacity") {
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!GetLayeredWindowAttributes(need(arg(2)), nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) {
            std::printf("-1\n");
            return 0;
        }
        std::printf("%d\n", alpha);
        return 0;
    }
    if (cmd == "text") {
        HWND w = need(arg(2));
        if (argc > 3) w = control(w, argv[3]);
        std::printf("%s\n", utf8(windowText(w)).c_str());
        return 0;
    }
    if (cmd == "set-text") {
        HWND c = control(need(arg(2)), arg(3));
        std::wstring text = wide(arg(4));
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 1000,
                                   &result)
                   ? 0
                   : 1;
    }
    if (cmd == "controls") {
        HWND w = need(arg(2));
        EnumChildWindows(w, listChild, reinterpret_cast<LPARAM>(w));
        return 0;
    }
    if (cmd == "command") {
        HWND w = need(arg(2));
        int id = static_cast<int>(number(arg(3)));
        return PostMessageW(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(w, id)))
                   ? 0
                   : 1;
    }
    if (cmd == "bm-click") {
        return PostMessageW(control(need(arg(2)), arg(3)), BM_CLICK, 0, 0) ? 0 : 1;
    }
    if (cmd == "checked") {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(control(need(arg(2)), arg(3)), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &result);
        std::printf("%d\n", static_cast<int>(result));
        return 0;
    }
    if (cmd == "key") {
        HWND w = need(arg(2));
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        HWND target = w;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) && info.hwndFocus) target = info.hwndFocus;
        WPARAM vk = static_cast<WPARAM>(number(arg(3)));
        PostMessageW(target, WM_KEYDOWN, vk, 1);
        PostMessageW(target, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
        return 0;
    }
    if (cmd == "follow") {
        HWND w = need(arg(2));
        ULONGLONG timeout = static_cast<ULONGLONG>(number(arg(3)));
        LARGE_INTEGER frequency, start, now;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        RECT last = {-1, -1, -1, -1};
        int lastAlpha = -2;
        bool left = false;
        long long parkedSince = -1;
        for (;;) {
            QueryPerformanceCounter(&now);
            long long ms = (now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart;
            RECT r;
            if (!GetWindowRect(w, &r)) return 1;
            BYTE alpha = 0;
            DWORD flags = 0;
            int a = GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
            bool parked = r.left == 0 && r.top == 0 && r.right == 5 && r.bottom == 5 && a == 0;
            if (!EqualRect(&r, &last) || a != lastAlpha) {
                std::printf("%lld %ld %ld %ld %ld %d\n", ms, r.left, r.top, r.right - r.left, r.bottom - r.top, a);
                std::fflush(stdout);
                last = r;
                lastAlpha = a;
            }
            if (!parked) {
                left = true;
                parkedSince = -1;
            } else if (parkedSince < 0) {
                parkedSince = ms;
            }
            // Runs of a series follow each other within milliseconds: the end is a window
            // that stays parked for half a second.
            if (left && parkedSince >= 0 && ms - parkedSince >= 500) return 0;
            if (static_cast<ULONGLONG>(ms) > timeout) return 1;
            Sleep(2);
        }
    }
    if (cmd == "wait-cover") {
        HWND w = need(arg(2));
        POINT p = {static_cast<LONG>(number(arg(3))), static_cast<LONG>(number(arg(4)))};
        LONG margin = static_cast<LONG>(number(arg(5)));
        ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(number(arg(6)));
        for (;;) {
            RECT r;
            GetWindowRect(w, &r);
            InflateRect(&r, -margin, -margin);
            if (PtInRect(&r, p)) {
                std::printf("%ld %ld\n", r.left + margin, r.top + margin);
                return 0;
            }
            if (GetTickCount64() > until) return 1;
            Sleep(2);
        }
    }
    if (cmd == "in-shape") {
        HWND w = need(arg(2));
        RECT r;
        GetWindowRect(w, &r);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        bool hasRegion = GetWindowRgn(w, region) != ERROR;
        for (int i = 3; i + 1 < argc || i == 3; i += 2) {
            POINT p = {static_cast<LONG>(number(arg(i))), static_cast<LONG>(number(arg(i + 1)))};
            int inside = PtInRect(&r, p) ? 1 : 0;
            if (inside && hasRegion) inside = PtInRegion(region, p.x - r.left, p.y - r.top) ? 1 : 0;
            std::printf(i == 3 ? "%d" : " %d", inside);
        }
        std::printf("\n");
        DeleteObject(region);
        return 0;
    }
    if (cmd == "pixel") {
        printColor(screenPixel(static_cast<int>(number(arg(2))), static_cast<int>(number(arg(3)))));
        return 0;
    }
    if (cmd == "client-pixel") {
        HWND w = need(arg(2));
        POINT p = {static_cast<LONG>(number(arg(3))), static_cast<LONG>(number(arg(4)))};
        ClientToScreen(w, &p);
        printColor(screenPixel(p.x, p.y));
        return 0;
    }
    if (cmd == "gdi") {
        DWORD pid = 0;
        GetWindowThreadProcessId(need(arg(2)), &pid);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
        if (!process) return 1;
        DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
        CloseHandle(process);
        std::printf("%lu\n", static_cast<unsigned long>(count));
        return 0;
    }
    if (cmd == "rects") {
        // Every top-level window of a class: "x y w h alpha" per line.
        std::wstring cls = wide(arg(2));
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            if (className(w) != cls) continue;
            RECT r;
            GetWindowRect(w, &r);
            BYTE alpha = 0;
            DWORD flags = 0;
            int a = GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
            std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right - r.left, r.bottom - r.top, a);
        }
        return 0;
    }
    if (cmd == "list") {
        EnumWindows(listTop, 0);
        return 0;
    }
    if (cmd == "keep") {
        for (;;) Sleep(60000);
    }
    if (cmd == "cover") {
        HWND w = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "cover", WS_POPUP | WS_VISIBLE, 0, 0,
                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                 nullptr, nullptr);
        SetForegroundWindow(w);
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
        return 0;
    }
    if (cmd == "shortcut") {
        CoInitialize(nullptr);
        IShellLinkA* link = nullptr;
        IPersistFile* file = nullptr;
        char target[MAX_PATH] = {}, folder[MAX_PATH] = {};
        if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(&link))) ||
            FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) ||
            FAILED(file->Load(wide(arg(2)).c_str(), STGM_READ)))
            return 1;
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetWorkingDirectory(folder, MAX_PATH);
        std::printf("%s\n%s\n", utf8(ansiWide(target)).c_str(), utf8(ansiWide(folder)).c_str());
        return 0;
    }
    return usage();
}
