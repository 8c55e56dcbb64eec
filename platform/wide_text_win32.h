// The program's texts are code page 932 wherever they are kept; Windows gets them as
// UTF-16 through the wide entry points. The conversion names code page 932 itself, never
// the system's code page (CP_ACP), so the texts read the same on a Windows whose system
// locale is not Japanese.
#pragma once

#include <windows.h>

namespace widetext {

// A code page 932 text as UTF-16, for as long as this object lives. Texts up to the
// inline buffer's size (every balloon, tip and label) need no allocation.
class Wide {
public:
    explicit Wide(const char* text, int length = -1);
    ~Wide();
    Wide(const Wide&) = delete;
    Wide& operator=(const Wide&) = delete;
    operator const wchar_t*() const { return text_; }
    const wchar_t* get() const { return text_; }

private:
    wchar_t inline_[260];
    wchar_t* text_ = inline_;
};

// Copies a code page 932 text into a fixed UTF-16 field of `capacity` characters (a tray
// record's tip or balloon), cut to fit and always ended.
void copyTo(wchar_t* field, int capacity, const char* text);

// A UTF-16 text as code page 932 in `out` of `size` bytes, cut at a whole character to fit
// and always ended. Returns the bytes written before the end.
int toProgram(const wchar_t* text, char* out, int size);

// Control texts of a dialog, in the program's code page.
void setItemText(HWND dialog, int id, const char* text);
void itemText(HWND dialog, int id, char* out, int size);
template <int N>
void itemText(HWND dialog, int id, char (&out)[N]) {
    itemText(dialog, id, out, N);
}

// Gives the controls of a dialog a font of the same face and size as the dialog's, but of
// the Japanese character set: asked for by a Japanese face name alone, the font mapper of
// a non-Japanese Windows picks a face without Japanese glyphs. On a Japanese Windows the
// same face comes out as before.
void useJapaneseFont(HWND dialog);

}  // namespace widetext
