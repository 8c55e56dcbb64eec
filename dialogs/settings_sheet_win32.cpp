// The settings property sheet "各種設定" ("Settings"): four pages whose procedures only move texts
// and check marks between the controls and the page logic of dialogs/*_page.cpp.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include "app/master.h"
#include "dialogs/canvas_win32.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/minutes_entry.h"
#include "dialogs/move_page.h"
#include "dialogs/other_page.h"
#include "dialogs/settings_buttons.h"
#include "dialogs/sound_page.h"
#include "dialogs/time_page.h"
#include "platform/monitors_win32.h"
#include "platform/system_library_win32.h"
#include "platform/texts.h"
#include "platform/wide_path_win32.h"
#include "platform/wide_text_win32.h"
#include "timer/options.h"
#include "timer/sound.h"

// The shipped program is 32-bit and cannot be run here: the chooser records it hands to
// the system are checked when it is compiled.
#if !defined(_WIN64)
static_assert(sizeof(CHOOSECOLORA) == 36, "colour chooser record");
static_assert(sizeof(OPENFILENAMEW) == 88, "file chooser record, with its trailing reserved members");
#endif

namespace {

// comctl32 and comdlg32 are loaded when the sheet first opens (see system_library_win32.h).
template <typename Function>
Function comdlg(const char* name) {
    return systemlib::function<Function>("comdlg32.dll", name);
}

// Page state kept for the whole run, not per opening: Cancel on MOVE goes back to the
// copies of the last opening or Apply, and the custom colours carry over.
MovePage movePage;
SoundPage soundPage;
CHOOSECOLORA colorChoice;
COLORREF customColors[16];
// The file chooser is the wide one, so that a path in any script comes back whole.
OPENFILENAMEW wavFileDialog;
wchar_t wavFileName[WavPathSize];
wchar_t wavFilter[32];

HINSTANCE instanceOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

// Every command a page receives enables the sheet's Apply button.
void markChanged(HWND page) { SendMessageA(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0); }

// Labels, check and radio boxes, group boxes and the read-only edit draw their text in
// dark grey on the button face and leave their background alone.
INT_PTR staticColours(WPARAM dc) {
    HDC hdc = reinterpret_cast<HDC>(dc);
    SetTextColor(hdc, RGB(32, 32, 32));
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

UINT notificationOf(LPARAM lParam) { return reinterpret_cast<const NMHDR*>(lParam)->code; }

// The page's controls and the sheet's own (the tabs among them) get a font with Japanese
// glyphs; the sheet's again with each page, which is harmless: the font is the same one.
void useJapaneseFonts(HWND page) {
    widetext::useJapaneseFont(page);
    widetext::useJapaneseFont(GetParent(page));
    // The sheet's own buttons (Help among them, though hidden) speak the system's language; the English face names them
    // itself, so that a Japanese Windows shows no Japanese on them either.
    if (texts::english()) {
        HWND sheet = GetParent(page);
        constexpr int ApplyButton = 0x3021;
        widetext::setItemText(sheet, IDOK, texts::get(texts::SheetOk));
        widetext::setItemText(sheet, IDCANCEL, texts::get(texts::SheetCancel));
        widetext::setItemText(sheet, ApplyButton, texts::get(texts::SheetApply));
        widetext::setItemText(sheet, IDHELP, texts::get(texts::SheetHelp));  // hidden, but still a text
    }
}

// The last checked button of a group (BM_GETCHECK exactly 1); 0 when none is.
int checkedButton(HWND page, int first, int last) {
    int found = 0;
    for (int id = first; id <= last; ++id)
        if (SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED) found = id;
    return found;
}

// ---- Page TIME -----------------------------------------------------------------------

void readText(HWND page, int id, char (&buffer)[MinutesTextSize]) { widetext::itemText(page, id, buffer); }

// The engraved separator between the rest row and the check box: a dark line over a light
// one, placed in 96-DPI pixels and scaled with the page, whose controls grow with its DPI.
void paintSeparator(HWND page) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(page, &ps);
    const draw::DisplayList groove = {draw::line(20, 90, 350, 90, draw::Pen{1, draw::rgb(50, 50, 50)}),
                                      draw::line(20, 91, 350, 91, draw::Pen{1, draw::rgb(136, 136, 136)})};
    canvas::drawList(dc, groove, platform::windowDpi(page));
    EndPaint(page, &ps);
}

INT_PTR CALLBACK timePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    Master& master = *theMaster;
    switch (message) {
    case WM_INITDIALOG: {
        SendDlgItemMessageA(page, TimeWorkEdit, EM_LIMITTEXT, 3, 0);
        SendDlgItemMessageA(page, TimeRestEdit, EM_LIMITTEXT, 3, 0);
        useJapaneseFonts(page);
        TimePageTexts texts = TimePage::opening(*master.property);
        widetext::setItemText(page, TimeWorkEdit, texts.work.c_str());
        widetext::setItemText(page, TimeRestEdit, texts.rest.c_str());
        widetext::setItemText(page, TimeEndLabel, texts.endLabel.c_str());
        CheckDlgButton(page, TimeLogCheck, texts.logChecked ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == TimeWorkEdit && HIWORD(wParam) == EN_UPDATE) {
            char work[MinutesTextSize];
            readText(page, TimeWorkEdit, work);
            widetext::setItemText(page, TimeEndLabel, TimePage::endLabelFor(work).c_str());
        } else if (id == TimeLogCheck) {
            bool checked = IsDlgButtonChecked(page, TimeLogCheck) == BST_CHECKED;
            CheckDlgButton(page, TimeLogCheck, checked ? BST_UNCHECKED : BST_CHECKED);
        }
        markChanged(page);
        return TRUE;
    }
    case WM_NOTIFY:
        if (notificationOf(lParam) == PSN_APPLY) {
            char work[MinutesTextSize], rest[MinutesTextSize];
            readText(page, TimeWorkEdit, work);
            readText(page, TimeRestEdit, rest);
            TimePage::apply(master, work, rest, IsDlgButtonChecked(page, TimeLogCheck) != BST_UNCHECKED);
        }
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return staticColours(wParam);
    case WM_PAINT:
        paintSeparator(page);
        return FALSE;
    default:
        return FALSE;
    }
}

// ---- Page MOVE -----------------------------------------------------------------------

void drawSwatch(const DRAWITEMSTRUCT& item) {
    HBRUSH brush = CreateSolidBrush(movePage.chosenColour);
    SelectObject(item.hDC, brush);
    Rectangle(item.hDC, 0, 0, item.rcItem.right, item.rcItem.bottom);  // the DC's black pen frames it
    SelectObject(item.hDC, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

void chooseColour(HWND page, Master& master) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    colorChoice.rgbResult = movePage.chosenColour;
    if (auto chooseColor = comdlg<decltype(&ChooseColorA)>("ChooseColorA"))
        chooseColor(&colorChoice);  // after Cancel the record still holds the colour it had
    movePage.takeColour(master, colorChoice.rgbResult);
    InvalidateRect(GetDlgItem(page, MoveColourSwatch), nullptr, TRUE);
    movePage.showSample(master, width, height);
}

INT_PTR CALLBACK movePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    Master& master = *theMaster;
    switch (message) {
    case WM_INITDIALOG: {
        useJapaneseFonts(page);
        MoveChecks checks = movePage.open(*master.property);
        ZeroMemory(&colorChoice, sizeof colorChoice);
        colorChoice.lStructSize = sizeof colorChoice;
        colorChoice.hwndOwner = page;
        colorChoice.rgbResult = movePage.chosenColour;
        colorChoice.lpCustColors = customColors;
        colorChoice.Flags = CC_RGBINIT | CC_FULLOPEN;
        CheckRadioButton(page, MoveKindFirst, MoveKindLast, checks.kind);
        CheckRadioButton(page, MoveSizeFirst, MoveSizeLast, checks.size);
        CheckRadioButton(page, MoveSpeedFirst, MoveSpeedLast, checks.speed);
        return TRUE;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == MoveColourSwatch) {
            chooseColour(page, master);
        } else {
            RadioRange group = movePage.click(master, id);
            if (!group.empty()) CheckRadioButton(page, group.first, group.last, id);
        }
        markChanged(page);
        return TRUE;
    }
    case WM_NOTIFY: {
        UINT code = notificationOf(lParam);
        if (code == PSN_APPLY) {
            movePage.apply(master, MoveChecks{checkedButton(page, MoveKindFirst, MoveKindLast),
                                              checkedButton(page, MoveSizeFirst, MoveSizeLast),
                                              checkedButton(page, MoveSpeedFirst, MoveSpeedLast)});
        } else if (code == PSN_RESET) {
            movePage.cancel(master);
        }
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        return staticColours(wParam);
    case WM_DRAWITEM:
        drawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Page SOUND ----------------------------------------------------------------------

// The chooser opens on the path being edited. A path it cannot even start from (a
// damaged param.dat can hold anything) would keep it from ever opening, so it is then
// opened on no name, and the old path is kept if that is cancelled too.
bool runChooser() {
    auto getOpenFileName = comdlg<decltype(&GetOpenFileNameW)>("GetOpenFileNameW");
    auto extendedError = comdlg<decltype(&CommDlgExtendedError)>("CommDlgExtendedError");
    if (!getOpenFileName || !extendedError) return false;
    if (getOpenFileName(&wavFileDialog)) return true;
    if (extendedError() != FNERR_INVALIDFILENAME) return false;
    wavFileName[0] = 0;
    return getOpenFileName(&wavFileDialog) != 0;
}

// The chosen path in the system's code page, for param.dat; false when some character
// has no spelling there (or the path does not fit).
bool systemCodePagePath(const wchar_t* path, char (&out)[WavPathSize]) {
    ZeroMemory(out, sizeof out);
    const UINT page = GetACP();
    // UTF-8 as the system's code page spells everything; it takes no "default used" flag.
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(page, page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS, path, -1, out,
                                      sizeof out, nullptr, page == CP_UTF8 ? nullptr : &usedDefault);
    return n > 0 && !usedDefault;
}

// The chooser opens on the path being edited: the whole one when it has one, else the
// one in the system's code page.
bool chooseWavFile() {
    if (soundPage.wavFileWide[0])
        lstrcpynW(wavFileName, platform::utf8ToWide(soundPage.wavFileWide).c_str(), WavPathSize);
    else if (!MultiByteToWideChar(CP_ACP, 0, soundPage.wavFileBuffer, -1, wavFileName, WavPathSize))
        wavFileName[0] = 0;
    if (!runChooser()) return false;
    char ansi[WavPathSize];
    const bool exact = systemCodePagePath(wavFileName, ansi);
    soundPage.takeChosenPath(ansi, exact, platform::wideToUtf8(wavFileName).c_str());
    return true;
}

void showPath(HWND page) {
    if (soundPage.wavFileWide[0]) SetDlgItemTextW(page, SoundPathEdit, platform::utf8ToWide(soundPage.wavFileWide).c_str());
    else SetDlgItemTextA(page, SoundPathEdit, soundPage.wavFileBuffer);
}

INT_PTR CALLBACK soundPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    Master& master = *theMaster;
    switch (message) {
    case WM_INITDIALOG: {
        ZeroMemory(&wavFileDialog, sizeof wavFileDialog);
        wavFileDialog.lStructSize = sizeof wavFileDialog;
        wavFileDialog.hwndOwner = page;
        // The program's texts are code page 932 whatever the system's code page is.
        static const char filter[] = "Wave files {*.wav}\0*.wav\0";  // and the literal's own zero
        MultiByteToWideChar(932, 0, filter, sizeof filter, wavFilter, sizeof wavFilter / sizeof wavFilter[0]);
        wavFileDialog.lpstrFilter = wavFilter;
        wavFileDialog.nMaxCustFilter = 256;
        wavFileDialog.nFilterIndex = 0;
        wavFileDialog.lpstrFile = wavFileName;
        wavFileDialog.nMaxFile = WavPathSize;
        // The data folder is fixed at start, so the chooser may not move the current one.
        wavFileDialog.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
        useJapaneseFonts(page);
        int checked = soundPage.open(*master.property, master.sound->widePath());
        CheckRadioButton(page, SoundFirst, SoundLast, checked);
        showPath(page);
        return TRUE;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == SoundBrowseButton) {
            if (chooseWavFile()) {
                showPath(page);
                soundPage.fileChosen(master);
            }
        } else if (soundPage.click(master, id)) {
            CheckRadioButton(page, SoundFirst, SoundLast, id);
        }
        markChanged(page);
        return TRUE;
    }
    case WM_NOTIFY:
        if (notificationOf(lParam) == PSN_APPLY) soundPage.apply(master, checkedButton(page, SoundFirst, SoundLast));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return staticColours(wParam);
    default:
        return FALSE;
    }
}

// ---- Page OTHER ----------------------------------------------------------------------

// The away time means something only while away time counts as rest.
void enableAwayMinutes(HWND page) {
    EnableWindow(GetDlgItem(page, OtherAwayMinutesEdit), IsDlgButtonChecked(page, OtherAwayCheck) == BST_CHECKED);
}

// The page's check boxes and the fields they stand for.
constexpr struct {
    int id;
    bool OtherPageTexts::*checked;
} OtherChecks[] = {
    {OtherAwayCheck, &OtherPageTexts::awayChecked},
    {OtherQuietCheck, &OtherPageTexts::quietChecked},
    {OtherLogonCheck, &OtherPageTexts::logonChecked},
    {OtherAllMonitorsCheck, &OtherPageTexts::allMonitorsChecked},
};

// The list's items in texts::Choice order, each named in the face's language.
void fillLanguageList(HWND page, int chosen) {
    HWND list = GetDlgItem(page, OtherLanguageList);
    for (texts::Id name : {texts::LanguageAuto, texts::LanguageJapanese, texts::LanguageEnglish}) {
        const widetext::Wide item(texts::get(name));
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.get()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

INT_PTR CALLBACK otherPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    Master& master = *theMaster;
    switch (message) {
    case WM_INITDIALOG: {
        SendDlgItemMessageA(page, OtherAwayMinutesEdit, EM_LIMITTEXT, 2, 0);
        useJapaneseFonts(page);
        OtherPageTexts texts = OtherPage::opening(*master.options);
        for (const auto& box : OtherChecks) CheckDlgButton(page, box.id, texts.*box.checked ? BST_CHECKED : BST_UNCHECKED);
        widetext::setItemText(page, OtherAwayMinutesEdit, texts.awayMinutes.c_str());
        enableAwayMinutes(page);
        fillLanguageList(page, texts.language);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == OtherAwayCheck) enableAwayMinutes(page);
        markChanged(page);
        return TRUE;
    case WM_NOTIFY:
        if (notificationOf(lParam) == PSN_APPLY) {
            OtherPageTexts chosen;
            for (const auto& box : OtherChecks) chosen.*box.checked = IsDlgButtonChecked(page, box.id) == BST_CHECKED;
            char minutes[MinutesTextSize];
            readText(page, OtherAwayMinutesEdit, minutes);
            chosen.awayMinutes = minutes;
            chosen.language = static_cast<int>(SendDlgItemMessageW(page, OtherLanguageList, CB_GETCURSEL, 0, 0));
            const bool atLogon = OtherPage::apply(master, chosen);
            CheckDlgButton(page, OtherLogonCheck, atLogon ? BST_CHECKED : BST_UNCHECKED);
        }
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return staticColours(wParam);
    default:
        return FALSE;
    }
}

}  // namespace

void openSettingsSheet(HWND owner) {
    // The wide entry points: the caption and the tabs' titles reach the sheet as UTF-16.
    auto createPage =
        systemlib::function<decltype(&CreatePropertySheetPageW)>("comctl32.dll", "CreatePropertySheetPageW");
    auto propertySheet = systemlib::function<decltype(&PropertySheetW)>("comctl32.dll", "PropertySheetW");
    if (!createPage || !propertySheet) return;
    HINSTANCE instance = instanceOf(owner);
    struct PageTemplate {
        const wchar_t* name;
        DLGPROC procedure;
    };
    const PageTemplate templates[] = {
        {L"TIME", timePageProc}, {L"MOVE", movePageProc}, {L"SOUND", soundPageProc}, {L"OTHER", otherPageProc}};
    constexpr int PageCount = sizeof templates / sizeof templates[0];
    HPROPSHEETPAGE pages[PageCount] = {};
    for (int i = 0; i < PageCount; ++i) {
        PROPSHEETPAGEW page;
        ZeroMemory(&page, sizeof page);
        page.dwSize = sizeof page;
        page.dwFlags = PSP_DLGINDIRECT;  // the tab shows the template's caption
        page.hInstance = instance;
        page.pResource = dialogTemplate(instance, templates[i].name);
        page.pfnDlgProc = templates[i].procedure;
        pages[i] = createPage(&page);
    }
    PROPSHEETHEADERW sheet;
    ZeroMemory(&sheet, sizeof sheet);
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_USEHICON;
    sheet.hwndParent = owner;
    sheet.hInstance = instance;
    sheet.hIcon = LoadIconW(instance, L"IDI_AMAIN");
    const widetext::Wide caption(texts::get(texts::SheetCaption));
    sheet.pszCaption = caption;
    sheet.nPages = PageCount;
    sheet.nStartPage = 0;
    sheet.phpage = pages;
    propertySheet(&sheet);
}
