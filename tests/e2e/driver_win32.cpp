// rwdriver: finds the program's windows and pokes them the way Windows would, for the end-to-end tests.
// Texts are UTF-8, read from the windows as UTF-16; WINDOW is "class=NAME;title=TEXT" (either part), ";child=TEXT"
// a descendant, ";id=N" its control N, ";visible", ";covers=X,Y,MARGIN" (X,Y lies MARGIN px inside it).
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring wide(const std::string& s) {
    std::wstring out(s.size(), L'\0');
    out.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &out[0], static_cast<int>(out.size()))));
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

// Every window that matches, top-level ones in Z order.
std::vector<HWND> findAll(const std::string& text) {
    std::wstring part[5];  // class, title, child, id, covers
    bool has[5] = {}, visible = false;
    std::istringstream items(text);
    for (std::string item; std::getline(items, item, ';');) {
        visible |= item == "visible";
        const char* keys[5] = {"class=", "title=", "child=", "id=", "covers="};
        for (int k = 0; k < 5; ++k)
            if (item.rfind(keys[k], 0) == 0) part[k] = wide(item.substr(std::strlen(keys[k]))), has[k] = true;
    }
    POINT p = {};
    LONG margin = 0;
    if (has[4]) swscanf(part[4].c_str(), L"%ld,%ld,%ld", &p.x, &p.y, &margin);
    std::vector<HWND> found;
    const wchar_t* name[3] = {has[0] ? part[0].c_str() : nullptr, has[1] ? part[1].c_str() : nullptr, part[2].c_str()};
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, name[0], name[1])) != nullptr;) {
        HWND hit = has[2] ? FindWindowExW(w, nullptr, nullptr, name[2]) : w;
        if (hit && has[3]) hit = GetDlgItem(hit, static_cast<int>(std::wcstol(part[3].c_str(), nullptr, 0)));
        RECT r = {};
        if (hit && has[4] && GetWindowRect(hit, &r) && InflateRect(&r, -margin, -margin) && !PtInRect(&r, p))
            hit = nullptr;
        if (hit && (!visible || IsWindowVisible(w))) found.push_back(hit);
    }
    return found;
}

HWND need(const std::string& text) {
    const std::vector<HWND> all = findAll(text);
    if (all.empty()) fail("no window", text);
    return all[0];
}

int alphaOf(HWND w) {
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
}

BOOL CALLBACK printText(HWND w, LPARAM) { return std::printf("%s\n", utf8(textOf(w)).c_str()) > 0; }

BOOL CALLBACK printProcessTexts(HWND w, LPARAM process) {  // a top-level window of the process, and all inside it
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == static_cast<DWORD>(process)) printText(w, 0), EnumChildWindows(w, printText, 0);
    return TRUE;
}

}  // namespace

int main() {
    // Taken as UTF-16: in the ANSI code page a Japanese title would not survive a prefix whose code page is 1252.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.push_back(utf8(argv[i]));
    auto arg = [&](int i) { return i < argc ? args[static_cast<size_t>(i)].c_str() : ""; };
    auto num = [&](int i) { return number(arg(i)); };
    const std::string cmd = arg(1);
    if (cmd == "wait" || cmd == "wait-gone") {  // WINDOW [MS]: until it exists / is gone
        const DWORD timeout = argc > 3 ? static_cast<DWORD>(num(3)) : 10000, start = GetTickCount();
        for (;; Sleep(50)) {
            if (findAll(arg(2)).empty() == (cmd == "wait-gone")) return 0;
            if (GetTickCount() - start > timeout) fail("timed out on", cmd + " " + arg(2));
        }
    }
    if (cmd == "post")  // WINDOW MSG WPARAM LPARAM
        return PostMessageW(need(arg(2)), static_cast<UINT>(num(3)), static_cast<WPARAM>(num(4)), static_cast<LPARAM>(num(5))) ? 0 : 1;
    if (cmd == "rect") {  // WINDOW: "x y w h alpha" of every match (alpha -1: not layered)
        for (HWND w : findAll(arg(2))) {
            RECT r;
            GetWindowRect(w, &r);
            std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right - r.left, r.bottom - r.top, alphaOf(w));
        }
        return 0;
    }
    if (cmd == "enabled") return std::printf("%d\n", IsWindowEnabled(need(arg(2))) ? 1 : 0), 0;  // WINDOW
    if (cmd == "text") return std::printf("%s\n", utf8(textOf(need(arg(2)))).c_str()), 0;  // WINDOW
    if (cmd == "texts") {  // WINDOW: the text of each window inside it, one a line
        EnumChildWindows(need(arg(2)), printText, 0);
        return 0;
    }
    if (cmd == "process-texts") {  // WINDOW: the text of every window of its process, one a line
        DWORD process = 0;
        GetWindowThreadProcessId(need(arg(2)), &process);
        EnumWindows(printProcessTexts, static_cast<LPARAM>(process));
        return 0;
    }
    if (cmd == "tabs") {  // WINDOW: the titles of its tab control's tabs, one a line
        HWND tabs = FindWindowExW(need(arg(2)), nullptr, WC_TABCONTROLW, nullptr);
        DWORD id = 0;
        GetWindowThreadProcessId(tabs, &id);
        HANDLE program = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        // The control writes the title into the program's own memory: the record and its text go there.
        struct Item {
            TCITEMW item;
            wchar_t text[64];
        } local, *remote =
            static_cast<Item*>(VirtualAllocEx(program, nullptr, sizeof local, MEM_COMMIT, PAGE_READWRITE));
        if (!remote) fail("cannot reach the program of", arg(2));
        for (LRESULT i = 0, n = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0); i < n; ++i) {
            local = Item{};
            local.item.mask = TCIF_TEXT, local.item.pszText = remote->text, local.item.cchTextMax = 64;
            DWORD_PTR ok = 0;
            const LPARAM item = reinterpret_cast<LPARAM>(remote);
            if (WriteProcessMemory(program, remote, &local, sizeof local, nullptr) &&
                SendMessageTimeoutW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), item, SMTO_ABORTIFHUNG, 1000, &ok) &&
                ok && ReadProcessMemory(program, remote, &local, sizeof local, nullptr))
                std::printf("%s\n", utf8(local.text).c_str());
        }
        VirtualFreeEx(program, remote, 0, MEM_RELEASE);
        return CloseHandle(program), 0;
    }
    if (cmd == "set-text") {  // WINDOW TEXT
        const std::wstring text = wide(arg(3));
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(need(arg(2)), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 1000, &result) ? 0 : 1;
    }
    // follow WINDOW MS: "ms x y w h alpha" at each change, until the window has left the parked state (5 x 5
    // at 0,0, alpha 0) and stayed back 0.5 s (exit 0), or MS passed (exit 1)
    if (cmd == "follow") {
        HWND w = need(arg(2));
        const ULONGLONG start = GetTickCount64(), timeout = static_cast<ULONGLONG>(num(3));
        RECT last = {-1, -1, -1, -1}, r;
        int lastAlpha = -2;
        bool left = false;
        for (ULONGLONG lastAway = 0;; Sleep(2)) {
            const ULONGLONG ms = GetTickCount64() - start;
            if (!GetWindowRect(w, &r)) return 1;
            const int a = alphaOf(w);
            if (!EqualRect(&r, &last) || a != lastAlpha) {
                std::printf("%llu %ld %ld %ld %ld %d\n", ms, r.left, r.top, r.right - r.left, r.bottom - r.top, a);
                std::fflush(stdout);
                last = r, lastAlpha = a;
            }
            // A series' runs follow each other within milliseconds: it ends parked for half a second.
            if (r.left != 0 || r.top != 0 || r.right != 5 || r.bottom != 5 || a != 0) left = true, lastAway = ms;
            if (left && ms - lastAway >= 500) return 0;
            if (ms > timeout) return 1;
        }
    }
    if (cmd == "pixel") {  // [WINDOW] X Y...: RRGGBB on screen or in the client area, one moment for all
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
    // cover [captioned]: a topmost window over the whole screen until killed; captioned, it is placed as a
    // maximized window where no taskbar shows: its frame past every edge, its caption on the screen
    if (cmd == "cover") {
        const bool captioned = std::strcmp(arg(2), "captioned") == 0;
        const DWORD style = captioned ? WS_OVERLAPPEDWINDOW | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
        RECT r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (captioned) AdjustWindowRectEx(&r, style, FALSE, WS_EX_TOPMOST), r.top = r.left;
        HWND w = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "cover", style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(w);
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
        return 0;
    }
    if (cmd == "input") {  // a press of shift, as a person at the keyboard would make
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_SHIFT;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        return SendInput(2, keys, sizeof keys[0]) == 2 ? 0 : 1;
    }
    fail("unknown command", cmd);
}
