// A DLL that records its own loading. Copied beside the program under the name of each DLL
// the program loads, it shows any load that is not pinned to the system folder: its DllMain
// appends its file name to planted.log in its own folder, then refuses to load.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return FALSE;
    wchar_t log[MAX_PATH + 16];
    lstrcpyW(log, path);
    wchar_t* slash = log;
    for (wchar_t* p = log; *p; ++p)
        if (*p == L'\\') slash = p + 1;
    lstrcpyW(slash, L"planted.log");
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        char line[MAX_PATH * 3 + 2];
        int length = WideCharToMultiByte(CP_UTF8, 0, path, -1, line, MAX_PATH * 3, nullptr, nullptr);
        if (length > 0) {
            line[length - 1] = '\n';
            DWORD written;
            WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
        }
        CloseHandle(file);
    }
    return FALSE;  // the program goes on as without the DLL, never calling into this one
}
