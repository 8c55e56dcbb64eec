#!/usr/bin/env bash
# The settings sheet: its pages, the motion preview, one sheet at a time, Cancel, OK and a picked WAV file in
# param.dat, the DLLs it loads on first use. The range check's box and the long-rest dialog: english_locale.sh.
source "$(dirname "$0")/../lib.sh"
e2e_begin settings
TIME="$SHEET;child=時間・ログ出力" MOVE="$SHEET;child=透過ウィンドウ" SOUND="$SHEET;child=音"
CHOOSER="class=#32770;title=開く"

wait_rect() {  # wait_rect =|!=: until the notice window is parked, or not; prints "x y w h"
    for _ in $(seq 1 100); do r=$(drv rect class=ALPHA); [ "$r" $1 "0 0 5 5 0" ] && break; sleep 0.1; done
    echo "${r% *}"
}
# Which of NAMES the program has mapped (not ole32: Wine's IME loads it for the first activated window).
mapped() { local d; for d; do grep -qi "/$d.dll" "/proc/$E2E_APP/maps" && echo -n "$d "; done; }
python3 -c "import wave,sys; w=wave.open(sys.argv[1],'wb'); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000); w.writeframes(bytes([128])*800)" "$DATA/bell.wav"

e2e_app_start
eq "none of these mapped at start" "$(mapped comctl32 comdlg32 oleaut32 msvfw32)" ""
open_page 0 "$TIME"
eq "the sheet brings comctl32" "$(mapped comctl32)" "comctl32 "
drv post class=MAIN 0x111 40011 0 >/dev/null
sleep 1
eq "a second 40011 opens no second sheet" "$(drv rect "$SHEET" | wc -l)" 1
open_page 1 "$MOVE"
click "$MOVE;id=13"  # フェードイン is taken at once: the preview fades a centred rectangle
sleep 0.3
press "$MOVE" 22
eq "動きを見る with フェードイン" "$(wait_rect !=)" "384 288 256 192"
e2e_shot fade-preview
eq "notice window parked after the run" "$(wait_rect =)" "0 0 5 5"
press "$SHEET" 2  # what Escape sends: the sheet's Cancel
check "Cancel closes the sheet" drv wait-gone "$SHEET" 5000

open_page 0 "$TIME"
drv set-text "$TIME;id=1" 25 >/dev/null
drv set-text "$TIME;id=2" 10 >/dev/null
open_page 2 "$SOUND"
press "$SOUND" 39  # the file chooser
drv wait "$CHOOSER" 10000 >/dev/null
eq "the chooser brings comdlg32" "$(mapped comdlg32)" "comdlg32 "
drv set-text "$CHOOSER;id=1148" "Z:${DATA//\//\\}\\bell.wav" >/dev/null
press "$CHOOSER" 1
drv wait-gone "$CHOOSER" 5000 >/dev/null
click "$SOUND;id=37"  # WAVファイル: plays the picked file once
sleep 1
eq "playing brings msvfw32 for the MCI window" "$(mapped msvfw32)" "msvfw32 "
e2e_shot sound-page
press "$SHEET" 1
check "OK closes the sheet" drv wait-gone "$SHEET" 5000
e2e_app_exit
eq "param.dat: motion put back by Cancel, size and speed kept, WAV, work 25, rest 10" \
    "$(echo $(od -An -tu1 -j1 -N4 "$DATA/param.dat") $(od -An -td4 -j272 -N8 "$DATA/param.dat"))" "3 1 1 7 25 10"
eq "the WAV file in param.dat" "$(tail -c +13 "$DATA/param.dat" | head -c 260 | tr -d '\0')" "Z:${DATA//\//\\}\\bell.wav"
