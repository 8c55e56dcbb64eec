#!/usr/bin/env bash
# What only a dialog or a WAV alert needs is loaded when first used: at start the program
# maps none of comctl32, comdlg32, oleaut32 or msvfw32; the settings sheet brings comctl32,
# its file chooser comdlg32, and a picked WAV file the real MCI window with msvfw32.
# (ole32 is left out: in a Japanese session Wine's IME loads it for the first window that
# is activated, the visible notice window, whatever the program itself loads.)
source "$(dirname "$0")/../lib.sh"
e2e_begin lazy_dlls

SHEET="class=#32770;title=各種設定"
SOUND="$SHEET;child=音"
python3 -c "import wave,sys; w=wave.open(sys.argv[1],'wb'); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000); w.writeframes(bytes([128])*800)" "$DATA/bell.wav"

mapped() { grep -qi "/$1.dll" "/proc/$E2E_APP/maps"; }   # a DLL of the program's process
unmapped() { ! mapped "$1"; }

e2e_app_start
for dll in comctl32 comdlg32 oleaut32 msvfw32; do check "$dll not mapped at start" unmapped "$dll"; done

drv post class=MAIN 0x111 40011 0 >/dev/null
drv wait "$SHEET" 10000 >/dev/null
check "the sheet brings comctl32" mapped comctl32
drv post "$SHEET" 0x465 2 0 >/dev/null   # PSM_SETCURSEL: the SOUND page
drv wait "$SOUND" 5000 >/dev/null
drv command "$SOUND" 39 >/dev/null       # the file chooser
CHOOSER="class=#32770;title=開く"
drv wait "$CHOOSER" 10000 >/dev/null
check "the chooser brings comdlg32" mapped comdlg32
drv set-text "$CHOOSER" 1148 "Z:${DATA//\//\\}\\bell.wav" >/dev/null
drv command "$CHOOSER" 1 >/dev/null
drv wait-gone "$CHOOSER" 5000 >/dev/null
drv bm-click "$SOUND" 37 >/dev/null      # WAVファイル: plays the picked file once
sleep 1
check "playing brings msvfw32 for the MCI window" mapped msvfw32
drv command "$SHEET" 2 >/dev/null        # Cancel
drv wait-gone "$SHEET" 5000 >/dev/null
e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0
