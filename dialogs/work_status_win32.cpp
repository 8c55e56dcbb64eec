// 作業状況: today's strip as it always was, and on its buttons and keys any earlier day that
// state.dat holds, or the week ending with the shown day. dialogs/work_history.h decides what
// is shown; this turns buttons and keys into its moves and puts the result on the screen.
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/master.h"
#include "dialogs/canvas_win32.h"
#include "dialogs/dialogs_win32.h"
#include "dialogs/report_layout.h"
#include "dialogs/work_history.h"
#include "platform/data_files.h"
#include "platform/monitors_win32.h"
#include "platform/platform.h"
#include "platform/wide_text_win32.h"
#include "records/log.h"

namespace {

using workhistory::Move;

struct Session {
    HWND dialog = nullptr;
    workhistory::DayBook book;
    workhistory::Browser browser;
    HHOOK keys = nullptr;
    RECT singleWindow = {0, 0, 0, 0};  // the window as the single day had it
    int grownX = 0, grownY = 0;        // what the week view added to it

    Session(HWND d, const Log& log, history::DayNumber today)
        : dialog(d),
          book(log.record, log.unarchived, datafiles::pathOf(StateFileName), today),
          browser(today, book.firstDay()) {}
};

// The main window never opens a second 作業状況, so one session is enough, and the key
// filter (which gets no user data) finds it here.
std::unique_ptr<Session> session;

// Sets a text, converted from code page 932, only when it changes, so that a repaint does
// not make it flicker.
void setText(HWND window, const std::string& text) {
    const widetext::Wide wide(text.c_str(), static_cast<int>(text.size()));
    wchar_t now[256] = {};
    GetWindowTextW(window, now, 256);
    if (lstrcmpW(wide, now) != 0) SetWindowTextW(window, wide);
}

std::vector<const DayRecord*> shownDays(Session& s) {
    if (!s.browser.week) return {s.book.find(s.browser.shown)};
    std::vector<const DayRecord*> days;
    for (history::DayNumber day : workhistory::weekOf(s.browser.shown)) days.push_back(s.book.find(day));
    return days;
}

draw::DisplayList painting(Session& s) {
    const std::vector<const DayRecord*> days = shownDays(s);
    if (!s.browser.week) return workhistory::paintDay(days[0]);
    std::array<const DayRecord*, 7> week{};
    for (size_t i = 0; i < week.size(); ++i) week[i] = days[i];
    return workhistory::paintWeek(week, s.browser.shown);
}

void showTexts(Session& s) {
    setText(s.dialog, workhistory::caption(s.browser));
    setText(GetDlgItem(s.dialog, IDC_PROGRESS_TOTALS), workhistory::totalsText(shownDays(s)));
}

void showState(Session& s) {
    showTexts(s);
    HWND back = GetDlgItem(s.dialog, IDC_PROGRESS_BACK), forward = GetDlgItem(s.dialog, IDC_PROGRESS_FORWARD);
    // A button greyed while it has the focus would leave the keyboard nowhere: OK takes it.
    HWND focus = GetFocus();
    if ((focus == back && !s.browser.canGoBack()) || (focus == forward && !s.browser.canGoForward()))
        SendMessageW(s.dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(s.dialog, IDOK)), TRUE);
    EnableWindow(back, s.browser.canGoBack());
    EnableWindow(forward, s.browser.canGoForward());
    InvalidateRect(s.dialog, nullptr, TRUE);
}

void moveChildren(HWND dialog, int dx, int dy) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        POINT p = {r.left, r.top};
        ScreenToClient(dialog, &p);
        // The totals stay under the strips' left end; the buttons stay centred.
        const int x = GetDlgCtrlID(child) == IDC_PROGRESS_TOTALS ? 0 : dx;
        SetWindowPos(child, nullptr, p.x + x, p.y + dy, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// The week view needs room for six more strips and the labels at their right: the window
// grows about its centre, kept on its monitor's work area, and the controls move down.
// Back to the single day it takes its old place and size again.
void fitView(Session& s) {
    HWND d = s.dialog;
    if (!s.browser.week) {
        moveChildren(d, -s.grownX / 2, -s.grownY);
        const RECT& r = s.singleWindow;
        SetWindowPos(d, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        s.grownX = s.grownY = 0;
        return;
    }
    const int dpi = platform::windowDpi(d);
    RECT client = {0, 0, 0, 0};
    GetClientRect(d, &client);
    GetWindowRect(d, &s.singleWindow);
    s.grownX = platform::scaleToDpi(workhistory::WeekClientWidth, dpi) - client.right;
    if (s.grownX < 0) s.grownX = 0;
    s.grownY = platform::scaleToDpi(workhistory::WeekGrowth, dpi);
    moveChildren(d, s.grownX / 2, s.grownY);
    RECT r = s.singleWindow;
    const int width = r.right - r.left + s.grownX, height = r.bottom - r.top + s.grownY;
    int left = r.left - s.grownX / 2, top = r.top - s.grownY / 2;
    MONITORINFO monitor;
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(d, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& area = monitor.rcWork;
        if (left + width > area.right) left = area.right - width;
        if (top + height > area.bottom) top = area.bottom - height;
        if (left < area.left) left = area.left;
        if (top < area.top) top = area.top;
    }
    SetWindowPos(d, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void apply(Session& s, Move move) {
    if (!s.browser.apply(move)) return;
    if (move == Move::ToggleWeek) fitView(s);
    showState(s);
}

// The dialog manager takes the arrow keys for moving between buttons before the dialog
// procedure could see them; the modal loop offers every message to this filter first.
LRESULT CALLBACK keyFilter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* m = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && session && m->message == WM_KEYDOWN &&
        (m->hwnd == session->dialog || IsChild(session->dialog, m->hwnd))) {
        bool known = true;
        Move move = Move::Today;
        switch (m->wParam) {
        case VK_LEFT: move = Move::Back; break;
        case VK_RIGHT: move = Move::Forward; break;
        case VK_PRIOR: move = Move::WeekBack; break;
        case VK_NEXT: move = Move::WeekForward; break;
        case VK_HOME: move = Move::Today; break;
        default: known = false;
        }
        if (known) {
            apply(*session, move);
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void onInit(HWND dialog) {
    fitFrameToDpi(dialog, layout::ProgressFrame);
    if (!theMaster || !theMaster->log) return;
    history::DayNumber today = 0;
    if (!history::localDayOf(platform::currentTime(), today)) return;
    session = std::make_unique<Session>(dialog, *theMaster->log, today);
    session->keys = SetWindowsHookExW(WH_MSGFILTER, keyFilter, nullptr, GetCurrentThreadId());
    showState(*session);
}

void onPaint(HWND dialog) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    if (session) {
        // Today's totals grow with the ticks, as its strip does.
        showTexts(*session);
        canvas::drawList(dc, painting(*session), platform::windowDpi(dialog));
    }
    EndPaint(dialog, &ps);
}

void onDestroy() {
    if (session && session->keys) UnhookWindowsHookEx(session->keys);
    session.reset();
}

INT_PTR CALLBACK workStatusProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        widetext::useJapaneseFont(dialog);  // the buttons 前日, 翌日, 週 and the day's totals
        onInit(dialog);
        // OK has the focus as before, so Enter still closes the dialog.
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    case WM_PAINT:
        onPaint(dialog);
        return FALSE;
    case WM_DPICHANGED:
        followDpiChange(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        // Escape (IDCANCEL) leaves the dialog open; only OK ends it.
        case IDOK: EndDialog(dialog, 0); break;
        case IDC_PROGRESS_BACK: if (session) apply(*session, Move::Back); break;
        case IDC_PROGRESS_FORWARD: if (session) apply(*session, Move::Forward); break;
        case IDC_PROGRESS_WEEK: if (session) apply(*session, Move::ToggleWeek); break;
        default: break;
        }
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        onDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void openWorkStatusDialog(HWND owner) { runModalDialog(owner, "DLG_PROGRESS", workStatusProc); }
