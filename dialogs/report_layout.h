/* Frame sizes of the three report dialogs, shared by the resource script (which is run
   through the C preprocessor) and the tests that check the painting fits.

   The dialogs paint in client pixels but are laid out in dialog units of their 10-point
   "Century" font: a dialog unit is a quarter of the font's average character width across
   and an eighth of its height down. That font gives 7 x 14 pixels per 4 x 8 units under
   Wine (and 7 x 16 with Windows' own Century), so the frames are sized for 7 x 14: the
   painting, which reaches x = 494, y = 85 (strip), x = 524, y = 406 (report, with its
   widest label) and x = 191, y = 90 (picture), then lies inside the client area with a
   margin of about six pixels and above the OK button, which keeps the requirements' size
   and its place in the middle, four units above the bottom edge. Larger base units (larger
   fonts, higher dpi) only add room. */
#ifndef RESTWARDEN_REPORT_LAYOUT_H
#define RESTWARDEN_REPORT_LAYOUT_H

/* Work status strip (DLG_PROGRESS): the strip, the day's totals under it (a read-only text
   that can be selected and copied) and a row of buttons, OK in the middle, the day before
   and after on either side, the week view at the right. */
#define PROGRESS_CX 287
#define PROGRESS_CY 82
#define PROGRESS_OK_X 130
#define PROGRESS_OK_Y 67
#define PROGRESS_TOTALS_X 4
#define PROGRESS_TOTALS_Y 53
#define PROGRESS_TOTALS_CX 240
#define PROGRESS_TOTALS_CY 9
#define PROGRESS_BACK_X 92
#define PROGRESS_FORWARD_X 168
#define PROGRESS_WEEK_X 249
#define IDC_PROGRESS_BACK 1001
#define IDC_PROGRESS_FORWARD 1002
#define IDC_PROGRESS_TOTALS 1003
#define IDC_PROGRESS_WEEK 1004

/* Evaluation report (DLG_TUSAN). */
#define TUSAN_CX 303
#define TUSAN_CY 251
#define TUSAN_OK_X 138
#define TUSAN_OK_Y 236

/* Version dialog (DLG_VERSION). */
#define VERSION_CX 122
#define VERSION_CY 70
#define VERSION_OK_X 47
#define VERSION_OK_Y 55

#define OK_CX 28
#define OK_CY 11

#ifdef __cplusplus
namespace layout {

/* The dialog base units (pixels per 4 horizontal and 8 vertical dialog units) the frames
   are sized for: the smallest the Century font gives. */
constexpr int MinBaseUnitX = 7;
constexpr int MinBaseUnitY = 14;

/* Dialog units to pixels, rounded down as MapDialogRect rounds (MulDiv rounds to nearest,
   so this is never more than the real size). */
constexpr int pixelsAcross(int units, int baseX = MinBaseUnitX) { return units * baseX / 4; }
constexpr int pixelsDown(int units, int baseY = MinBaseUnitY) { return units * baseY / 8; }

struct Frame {
    int clientWidth;
    int clientHeight;
    int okTop;  /* the OK button's top edge, in client pixels (the first control under the painting) */
};

constexpr Frame frameOf(int cx, int cy, int okY, int baseX = MinBaseUnitX, int baseY = MinBaseUnitY) {
    return Frame{pixelsAcross(cx, baseX), pixelsDown(cy, baseY), pixelsDown(okY, baseY)};
}

constexpr Frame ProgressFrame = frameOf(PROGRESS_CX, PROGRESS_CY, PROGRESS_TOTALS_Y);
constexpr Frame TusanFrame = frameOf(TUSAN_CX, TUSAN_CY, TUSAN_OK_Y);
constexpr Frame VersionFrame = frameOf(VERSION_CX, VERSION_CY, VERSION_OK_Y);

}  // namespace layout
#endif

#endif
