// A DLL that records its own loading: its DllMain appends its path to planted.log in its own
// folder, then refuses to load, so the program goes on as without it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    wchar_t path[MAX_PATH], log[MAX_PATH + 16];
    const DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
    if (reason != DLL_PROCESS_ATTACH || n == 0 || n >= MAX_PATH) return reason != DLL_PROCESS_ATTACH;
    lstrcpyW(log, path);
    lstrcpyW(wcsrchr(log, L'\\') + 1, L"planted.log");
    char line[MAX_PATH * 3];
    const int length = WideCharToMultiByte(CP_UTF8, 0, path, -1, line, sizeof line, nullptr, nullptr);
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written;
    if (file != INVALID_HANDLE_VALUE && length > 0) WriteFile(file, line, length - 1, &written, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return FALSE;
}
