#!/usr/bin/env bash
# A DLL that records its loading, beside the program and in its current folder under the name of every DLL
# the program (or a system DLL it uses) loads, never loads: through the start, every dialog and the exit.
source "$(dirname "$0")/../lib.sh"
e2e_begin planted
APP="$E2E_DIR/app" PLANTED="$RW_BUILD/tests/e2e/planted.dll" DLG="class=#32770;visible" COLOUR="class=#32770;title=色"
mkdir -p "$APP" && cp "$EXE" "$APP/" && EXE="$APP/RestWarden.exe"
for d in wtsapi32 shcore shell32 shlwapi comctl32 comdlg32 ole32 oleaut32 msvfw32 winmm msacm32 mciwave uxtheme \
         version imm32 dwmapi propsys windowscodecs msimg32 usp10; do cp "$PLANTED" "$APP/$d.dll"; cp "$PLANTED" "$DATA/$d.dll"; done
cp "$PLANTED" "$DATA/probe.dll" && (cd "$DATA" && "$WINE64" rundll32 probe.dll,Probe >/dev/null 2>&1)
eq "a load by bare name is recorded" "$(sed 's/.*\\//' "$DATA/planted.log" 2>/dev/null)" "probe.dll"
rm -f "$DATA/planted.log" "$DATA/probe.dll"
python3 -c "import wave,sys; w=wave.open(sys.argv[1],'wb'); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000); w.writeframes(bytes([128])*800)" "$DATA/bell.wav"

e2e_app_start
open_page 1 "$SHEET;child=透過ウィンドウ"
press "$SHEET;child=透過ウィンドウ" 21  # the colour chooser
check "the colour chooser opens" drv wait "$COLOUR" 10000 && press "$COLOUR" 2 && drv wait-gone "$COLOUR" 5000 >/dev/null
open_page 2 "$SHEET;child=音"
press "$SHEET;child=音" 39  # the file chooser, then the picked file played
check "the file chooser opens" drv wait "class=#32770;title=開く" 10000
drv set-text "class=#32770;title=開く;id=1148" bell.wav >/dev/null && press "class=#32770;title=開く" 1
drv wait-gone "class=#32770;title=開く" 5000 >/dev/null && click "$SHEET;child=音;id=37" && sleep 1
press "$SHEET" 1 && drv wait-gone "$SHEET" 5000 >/dev/null
for command in 40012 40013 40014; do  # the strip, the evaluation, the version (its picture through OLE)
    drv post class=MAIN 0x111 $command 0 >/dev/null
    check "$command opens its dialog" drv wait "$DLG" 10000 && press "$DLG" 1 && drv wait-gone "$DLG" 5000 >/dev/null
done
drv post class=MAIN 0x111 40002 0 >/dev/null && drv post class=MAIN 0x8064 0 0x201 >/dev/null  # a rest, a left click
check "the long-rest dialog opens" drv wait "$DLG" 5000 && press "$DLG" 2
e2e_app_exit
for folder in "$APP" "$DATA"; do eq "nothing loaded from ${folder##*/}" "$(cat "$folder/planted.log" 2>/dev/null)" ""; done
