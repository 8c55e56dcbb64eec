// rwdriver: a console program that finds the program's windows and pokes them the way
// Windows would, for the end-to-end tests under Wine.
//
// WINDOW is "class=NAME", "title=TEXT" or both joined by ';' (a top-level window); ";child=TEXT"
// picks its descendant with that text (a property page); ";visible" skips hidden windows.
// Texts are UTF-8 in and out; numbers decimal or 0x-hex.
//
//   wait WINDOW [ms] / wait-gone WINDOW [ms]   until it exists (prints its handle) / is gone
//   post WINDOW MSG WPARAM LPARAM              PostMessage
//   rect WINDOW                                "x y w h alpha" of every matching window (alpha -1: none)
//   text WINDOW [ID] / set-text WINDOW ID TEXT  text of the window or its control ID / WM_SETTEXT
//   command WINDOW ID                          WM_COMMAND(ID, BN_CLICKED), as a button press
//   bm-click WINDOW ID / checked WINDOW ID     BM_CLICK / BM_GETCHECK of control ID
//   follow WINDOW MS     prints "ms x y w h alpha" at each change of rect or alpha until the
//                        window has left the parked state (5 x 5 at 0,0, alpha 0) and stayed
//                        back for 0.5 s (exit 0), or MS passed (exit 1)
//   wait-cover WINDOW X Y MARGIN MS            until X,Y lies MARGIN px inside the window
//   pixel [WINDOW] X Y [X Y ...]               RRGGBB per point, on screen or in WINDOW's client area
//   keep                                       waits forever (keeps the Wine session warm)
//   cover                                      a borderless window over the whole screen, in front,
//                                              until the driver is killed
//   shortcut PATH                              target and working folder of a shell link, a line each
#include <windows.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring wide(const std::string& s, UINT page = CP_UTF8) {
    std::wstring out(s.size(), L'\0');
    out.resize(static_cast<size_t>(MultiByteToWideChar(page, 0, s.data(), static_cast<int>(s.size()), &out[0], static_cast<int>(out.size()))));
    return out;
}

std::string utf8(const std::wstring& s) {
    std::string out(s.size() * 4, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &out[0], static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

long long number(const char* s) { return std::strtoll(s, nullptr, 0); }
[[noreturn]] void fail(const char* what, const std::string& name) {
    std::fprintf(stderr, "rwdriver: %s %s\n", what, name.c_str());
    std::exit(1);
}

std::wstring textOf(HWND w) {  // with a timeout: a window busy in a modal loop cannot hang us
    wchar_t buffer[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 1000, &length);
    return buffer;
}

std::wstring classOf(HWND w) {
    wchar_t buffer[256] = {};
    GetClassNameW(w, buffer, 256);
    return buffer;
}

struct Search {
    std::wstring part[3];  // class, title, child
    bool has[3] = {}, visible = false, child = false;
    std::vector<HWND> found;
};

BOOL CALLBACK match(HWND w, LPARAM parameter) {
    Search& s = *reinterpret_cast<Search*>(parameter);
    if (s.child) {
        if (textOf(w) != s.part[2]) return TRUE;
    } else if ((s.has[0] && classOf(w) != s.part[0]) || (s.visible && !IsWindowVisible(w)) || (s.has[1] && textOf(w) != s.part[1])) {
        return TRUE;
    }
    s.found.push_back(w);
    return TRUE;
}

// Every window that matches, top-level ones in Z order.
std::vector<HWND> findAll(const std::string& text) {
    Search s;
    for (size_t start = 0, end; start <= text.size(); start = end + 1) {
        end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(start, end - start);
        s.visible |= item == "visible";
        const char* keys[3] = {"class=", "title=", "child="};
        for (int k = 0; k < 3; ++k)
            if (item.rfind(keys[k], 0) == 0) s.part[k] = wide(item.substr(6)), s.has[k] = true;
    }
    EnumWindows(match, reinterpret_cast<LPARAM>(&s));
    if (!s.found.empty() && s.has[2]) {
        HWND top = s.found[0];
        s.found.clear(), s.child = true;
        EnumChildWindows(top, match, reinterpret_cast<LPARAM>(&s));
    }
    return s.found;
}

HWND need(const std::string& text) {
    const std::vector<HWND> all = findAll(text);
    if (all.empty()) fail("no window", text);
    return all[0];
}

HWND control(HWND dialog, const char* id) {
    HWND c = GetDlgItem(dialog, static_cast<int>(number(id)));
    if (!c) fail("no control", id);
    return c;
}

int alphaOf(HWND w) {
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
}

}  // namespace

int main(int argc, char** argv) {
    // Wine hands a console program its arguments in the ANSI code page (932 here).
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.push_back(utf8(wide(argv[i], CP_ACP)));
    auto arg = [&](int i) -> const char* {
        if (i >= argc) fail("usage: rwdriver COMMAND ARGS", "(see the source)");
        return args[static_cast<size_t>(i)].c_str();
    };
    auto num = [&](int i) { return number(arg(i)); };
    const std::string cmd = arg(1);
    if (cmd == "wait" || cmd == "wait-gone") {
        const DWORD timeout = argc > 3 ? static_cast<DWORD>(num(3)) : 10000, start = GetTickCount();
        for (;; Sleep(50)) {
            const std::vector<HWND> all = findAll(arg(2));
            if (cmd == "wait" && !all.empty()) return std::printf("%p\n", static_cast<void*>(all[0])), 0;
            if (cmd == "wait-gone" && all.empty()) return 0;
            if (GetTickCount() - start > timeout) fail("timed out on", cmd + " " + arg(2));
        }
    }
    if (cmd == "post") {
        HWND w = need(arg(2));
        return PostMessageW(w, static_cast<UINT>(num(3)), static_cast<WPARAM>(num(4)), static_cast<LPARAM>(num(5))) ? 0 : 1;
    }
    if (cmd == "rect") {
        for (HWND w : findAll(arg(2))) {
            RECT r;
            GetWindowRect(w, &r);
            std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right - r.left, r.bottom - r.top, alphaOf(w));
        }
        return 0;
    }
    if (cmd == "text") return std::printf("%s\n", utf8(textOf(argc > 3 ? control(need(arg(2)), arg(3)) : need(arg(2)))).c_str()), 0;
    if (cmd == "set-text") {
        const std::wstring text = wide(arg(4));
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(control(need(arg(2)), arg(3)), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 1000, &result) ? 0 : 1;
    }
    if (cmd == "command") {
        HWND w = need(arg(2));
        const int id = static_cast<int>(num(3));
        return PostMessageW(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(w, id))) ? 0 : 1;
    }
    if (cmd == "bm-click") return PostMessageW(control(need(arg(2)), arg(3)), BM_CLICK, 0, 0) ? 0 : 1;
    if (cmd == "checked") {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(control(need(arg(2)), arg(3)), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &result);
        return std::printf("%d\n", static_cast<int>(result)), 0;
    }
    if (cmd == "follow") {
        HWND w = need(arg(2));
        const long long timeout = num(3);
        LARGE_INTEGER frequency, start, now;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        RECT last = {-1, -1, -1, -1};
        int lastAlpha = -2;
        bool left = false;
        for (long long parkedSince = -1;; Sleep(2)) {
            QueryPerformanceCounter(&now);
            const long long ms = (now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart;
            RECT r;
            if (!GetWindowRect(w, &r)) return 1;
            const int a = alphaOf(w);
            if (!EqualRect(&r, &last) || a != lastAlpha) {
                std::printf("%lld %ld %ld %ld %ld %d\n", ms, r.left, r.top, r.right - r.left, r.bottom - r.top, a);
                std::fflush(stdout);
                last = r, lastAlpha = a;
            }
            const bool parked = r.left == 0 && r.top == 0 && r.right == 5 && r.bottom == 5 && a == 0;
            if (!parked) left = true, parkedSince = -1;
            else if (parkedSince < 0) parkedSince = ms;
            // The runs of a series follow each other within milliseconds: the end is a window
            // that stays parked for half a second.
            if (left && parkedSince >= 0 && ms - parkedSince >= 500) return 0;
            if (ms > timeout) return 1;
        }
    }
    if (cmd == "wait-cover") {
        HWND w = need(arg(2));
        const POINT p = {static_cast<LONG>(num(3)), static_cast<LONG>(num(4))};
        const LONG margin = static_cast<LONG>(num(5));
        for (ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(num(6));; Sleep(2)) {
            RECT r;
            GetWindowRect(w, &r);
            InflateRect(&r, -margin, -margin);
            if (PtInRect(&r, p)) return std::printf("%ld %ld\n", r.left + margin, r.top + margin), 0;
            if (GetTickCount64() > until) return 1;
        }
    }
    if (cmd == "pixel") {
        // All points read at once, so that they show one moment of a moving window.
        const bool inWindow = argc % 2 == 1;
        HWND w = inWindow ? need(arg(2)) : nullptr;
        HDC dc = GetDC(nullptr);
        for (int i = inWindow ? 3 : 2; i + 1 < argc; i += 2) {
            POINT p = {static_cast<LONG>(num(i)), static_cast<LONG>(num(i + 1))};
            if (w) ClientToScreen(w, &p);
            const COLORREF c = GetPixel(dc, p.x, p.y);
            std::printf(i + 2 < argc ? "%02X%02X%02X " : "%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
        }
        return ReleaseDC(nullptr, dc), 0;
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
        std::printf("%s\n%s\n", utf8(wide(target, CP_ACP)).c_str(), utf8(wide(folder, CP_ACP)).c_str());
        return 0;
    }
    if (cmd == "keep")
        for (;;) Sleep(60000);
    fail("unknown command", cmd);
}
