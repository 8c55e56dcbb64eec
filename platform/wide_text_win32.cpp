#include "platform/wide_text_win32.h"

#include "platform/texts.h"

namespace widetext {

namespace {
constexpr UINT ProgramCodePage = 932;

int wideLength(const char* text, int length) {
    return MultiByteToWideChar(ProgramCodePage, 0, text, length, nullptr, 0);
}
}  // namespace

Wide::Wide(const char* text, int length) {
    if (!text) text = "";
    if (length < 0) length = lstrlenA(text);
    const int needed = wideLength(text, length) + 1;
    if (needed > static_cast<int>(sizeof inline_ / sizeof inline_[0])) text_ = new wchar_t[static_cast<size_t>(needed)];
    text_[MultiByteToWideChar(ProgramCodePage, 0, text, length, text_, needed)] = 0;
}

Wide::~Wide() {
    if (text_ != inline_) delete[] text_;
}

void copyTo(wchar_t* field, int capacity, const char* text) {
    const Wide wide(text);
    lstrcpynW(field, wide, capacity);
}

int toProgram(const wchar_t* text, char* out, int size) {
    if (size <= 0) return 0;
    const int needed = WideCharToMultiByte(ProgramCodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    char* all = needed > 0 ? new char[static_cast<size_t>(needed)] : nullptr;
    int length = 0;
    if (all && WideCharToMultiByte(ProgramCodePage, 0, text, -1, all, needed, nullptr, nullptr) > 0) {
        // Whole characters only: a lead byte whose trail byte does not fit is left out too.
        for (int step; all[length] != 0; length += step) {
            step = IsDBCSLeadByteEx(ProgramCodePage, static_cast<BYTE>(all[length])) && all[length + 1] != 0 ? 2 : 1;
            if (length + step > size - 1) break;
            out[length] = all[length];
            if (step == 2) out[length + 1] = all[length + 1];
        }
    }
    out[length] = 0;
    delete[] all;
    return length;
}

void setItemText(HWND dialog, int id, const char* text) { SetDlgItemTextW(dialog, id, Wide(text)); }

void itemText(HWND dialog, int id, char* out, int size) {
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, id, text, static_cast<int>(sizeof text / sizeof text[0]));
    toProgram(text, out, size);
}

namespace {

// The fonts made so far, one for each face and height asked for. They live until the
// program ends: a handful at most (the settings pages, the sheet, the long rest dialog),
// and a dialog opened again finds its font ready.
struct MadeFont {
    LOGFONTW asked;
    HFONT font;
};
MadeFont madeFonts[8];
int madeCount = 0;

HFONT japaneseFontLike(HFONT original) {
    LOGFONTW asked;
    if (!original || GetObjectW(original, sizeof asked, &asked) != sizeof asked) return nullptr;
    asked.lfCharSet = SHIFTJIS_CHARSET;
    for (int i = 0; i < madeCount; ++i)
        if (madeFonts[i].asked.lfHeight == asked.lfHeight && madeFonts[i].asked.lfWeight == asked.lfWeight &&
            lstrcmpW(madeFonts[i].asked.lfFaceName, asked.lfFaceName) == 0)
            return madeFonts[i].font;
    if (madeCount == static_cast<int>(sizeof madeFonts / sizeof madeFonts[0])) return nullptr;
    HFONT made = CreateFontIndirectW(&asked);
    if (made) madeFonts[madeCount++] = MadeFont{asked, made};
    return made;
}

struct FontFor {
    HWND dialog;
    HFONT font;
};

// The dialog's own controls only: a dialog inside it (a sheet's page) has a font of its own,
// and a dialog deletes the font it holds when it is destroyed.
BOOL CALLBACK setFont(HWND child, LPARAM parameter) {
    const FontFor& target = *reinterpret_cast<const FontFor*>(parameter);
    constexpr ULONG_PTR DialogClassAtom = 32770;
    if (GetParent(child) == target.dialog && GetClassLongPtrW(child, GCW_ATOM) != DialogClassAtom)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(target.font), FALSE);
    return TRUE;
}

}  // namespace

void useJapaneseFont(HWND dialog) {
    // The English face's templates name a font of the system's own, which needs no help.
    if (texts::english()) return;
    HFONT font = japaneseFontLike(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    if (!font) return;
    FontFor target = {dialog, font};
    EnumChildWindows(dialog, setFont, reinterpret_cast<LPARAM>(&target));
}

}  // namespace widetext
