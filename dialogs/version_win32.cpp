// The version dialog: the picture stored in the program's resources, above an OK button.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "dialogs/canvas_win32.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/report_layout.h"
#include "platform/monitors_win32.h"
#include "platform/system_library_win32.h"
#include "platform/texts.h"
#include "platform/wide_text_win32.h"

namespace {

constexpr int PictureX = 20;
constexpr int PictureY = 10;
constexpr int PictureWidth = 172;
constexpr int PictureHeight = 81;

// The decoded picture while the dialog is open. One variable is enough: the main window
// never opens a second version dialog while one is open.
HBITMAP picture = nullptr;

// OLE (ole32 and oleaut32, with COM's own DLLs behind them) is loaded when the picture is
// first decoded, and set up for the UI thread only while it decodes: nothing of it stays
// running between two openings of the dialog.
class OleSession {
public:
    OleSession() {
        auto initialize = systemlib::function<decltype(&OleInitialize)>("ole32.dll", "OleInitialize");
        ready = initialize && SUCCEEDED(initialize(nullptr));
    }
    ~OleSession() {
        auto uninitialize = systemlib::function<decltype(&OleUninitialize)>("ole32.dll", "OleUninitialize");
        if (ready && uninitialize) uninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool ready = false;
};

// Decodes a JPEG (or any picture OLE reads) from the program's resources into a bitmap of
// its own size. Returns null when anything on the way fails; whatever was obtained is
// released, and the memory block is freed exactly once (by the stream, or here when no
// stream took it over).
HBITMAP loadResourcePicture(const char* name, const char* type) {
    OleSession ole;
    auto createStream = systemlib::function<decltype(&CreateStreamOnHGlobal)>("ole32.dll", "CreateStreamOnHGlobal");
    auto loadPicture = systemlib::function<decltype(&OleLoadPicture)>("oleaut32.dll", "OleLoadPicture");
    if (!ole.ready || !createStream || !loadPicture) return nullptr;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = faceResource(module, widetext::Wide(type), widetext::Wide(name));
    if (!found) return nullptr;
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return nullptr;

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(block);

    IStream* stream = nullptr;
    if (FAILED(createStream(block, TRUE, &stream)) || !stream) {
        GlobalFree(block);
        return nullptr;
    }
    IPicture* decoded = nullptr;
    HBITMAP copy = nullptr;
    if (SUCCEEDED(loadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&decoded))) &&
        decoded) {
        OLE_HANDLE handle = 0;
        // The picture object owns its bitmap; the dialog keeps a copy of its own.
        if (SUCCEEDED(decoded->get_Handle(&handle)) && handle)
            copy = static_cast<HBITMAP>(
                CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
    }
    if (decoded) decoded->Release();
    stream->Release();  // frees the block
    return copy;
}

void releasePicture() {
    if (picture) DeleteObject(picture);
    picture = nullptr;
}

// The picture's second line is the Japanese name; the English face covers it with the
// picture's paper and writes its own line there (one picture in the program, not two).
void paintEnglishSubtitle(HDC dc, int dpi) {
    constexpr draw::Colour Paper = draw::rgb(250, 246, 232), RestBlue = draw::rgb(34, 85, 255);
    const draw::DisplayList list = {
        draw::solidRectangle(PictureX + 72, PictureY + 28, PictureX + PictureWidth, PictureY + 48, Paper),
        draw::text(PictureX + 74, PictureY + 31, 14, RestBlue, texts::get(texts::VersionSubtitle))};
    canvas::drawList(dc, list, dpi);
}

INT_PTR CALLBACK versionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        releasePicture();
        picture = loadResourcePicture("IMG", "VER");
        fitFrameToDpi(dialog, layout::VersionFrame);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dialog, &ps);
        // Without a picture the place stays the dialog's plain background.
        if (picture) {
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ previous = SelectObject(memory, picture);
            // The picture keeps its place and size in the dialog at every DPI: above 96 DPI it
            // is stretched with the smoothing filter rather than left small in the corner.
            const int dpi = platform::windowDpi(dialog);
            if (dpi == platform::DesignDpi) {
                BitBlt(dc, PictureX, PictureY, PictureWidth, PictureHeight, memory, 0, 0, SRCCOPY);
            } else {
                SetStretchBltMode(dc, HALFTONE);
                SetBrushOrgEx(dc, 0, 0, nullptr);
                StretchBlt(dc, platform::scaleToDpi(PictureX, dpi), platform::scaleToDpi(PictureY, dpi),
                           platform::scaleToDpi(PictureWidth, dpi), platform::scaleToDpi(PictureHeight, dpi), memory,
                           0, 0, PictureWidth, PictureHeight, SRCCOPY);
            }
            SelectObject(memory, previous);
            DeleteDC(memory);
            if (texts::english()) paintEnglishSubtitle(dc, dpi);
        }
        EndPaint(dialog, &ps);
        return FALSE;
    }
    case WM_COMMAND:
        // Only OK ends the dialog; Escape (IDCANCEL) leaves it open.
        if (LOWORD(wParam) == IDOK) {
            releasePicture();
            EndDialog(dialog, 0);
        }
        return TRUE;
    case WM_DPICHANGED:
        followDpiChange(dialog, lParam);
        return TRUE;
    case WM_CLOSE:
        releasePicture();
        EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        // Destroyed with its owner at exit, without OK or close: still release the bitmap.
        releasePicture();
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void openVersionDialog(HWND owner) {
    runModalDialog(owner, "DLG_VERSION", versionProc);
}
