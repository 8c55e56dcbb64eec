#!/usr/bin/env bash
# DLLs dropped beside the program (the Downloads folder) and in its current folder never load: a DLL that
# records its loading, under the name of every DLL the program or the system DLLs it uses load, stays
# unloaded through the start, every dialog, the common dialogs, a WAV alert and the exit.
source "$(dirname "$0")/../lib.sh"
e2e_begin planted
SOUND="$SHEET;child=音" MOVE="$SHEET;child=透過ウィンドウ" DLG="class=#32770;visible"
APP="$E2E_DIR/app" PLANTED="$RW_BUILD/tests/e2e/planted.dll"
mkdir -p "$APP" && cp "$EXE" "$APP/" && EXE="$APP/RestWarden.exe"
NAMES="wtsapi32 shcore comctl32 comdlg32 ole32 oleaut32 msvfw32 winmm msacm32 mciwave mciavi32 uxtheme
       version shlwapi imm32 dwmapi propsys windowscodecs msimg32 usp10 cryptbase profapi sspicli"
for d in $NAMES; do cp "$PLANTED" "$APP/$d.dll"; cp "$PLANTED" "$DATA/$d.dll"; done
python3 -c "import wave,sys; w=wave.open(sys.argv[1],'wb'); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000); w.writeframes(bytes([128])*800)" "$DATA/bell.wav"

# The planted DLL records itself when anything loads it from these folders by its bare name.
cp "$PLANTED" "$DATA/probe.dll"
(cd "$DATA" && exec "$WINE64" rundll32 probe.dll,Probe) >/dev/null 2>&1
eq "the planted DLL records a load" "$(sed 's/.*\\//' "$DATA/planted.log" 2>/dev/null)" "probe.dll"
rm -f "$DATA/planted.log" "$DATA/probe.dll"

e2e_app_start
open_page 1 "$MOVE"
press "$MOVE" 21  # the colour chooser
check "the colour chooser opens" drv wait "class=#32770;title=色" 10000
drv post "class=#32770;title=色" 0x111 2 0 >/dev/null
drv wait-gone "class=#32770;title=色" 5000 >/dev/null
open_page 2 "$SOUND"
press "$SOUND" 39  # the file chooser
CHOOSER="class=#32770;title=開く"
check "the file chooser opens" drv wait "$CHOOSER" 10000
drv set-text "$CHOOSER;id=1148" "Z:${DATA//\//\\}\\bell.wav" >/dev/null
press "$CHOOSER" 1
drv wait-gone "$CHOOSER" 5000 >/dev/null
click "$SOUND;id=37"  # WAVファイル: plays the picked file
sleep 1
press "$SHEET" 1
check "the sheet closes" drv wait-gone "$SHEET" 5000
for command in 40012 40013 40014; do  # the strip, the evaluation, the version (its picture through OLE)
    drv post class=MAIN 0x111 $command 0 >/dev/null
    check "$command opens its dialog" drv wait "$DLG" 10000
    sleep 0.5 && e2e_shot "dialog-$command"
    press "$DLG" 1
    drv wait-gone "$DLG" 5000 >/dev/null
done
drv post class=MAIN 0x111 40002 0 >/dev/null   # 休憩, then a left click: the long-rest dialog
drv post class=MAIN 0x8064 0 0x201 >/dev/null
check "the long-rest dialog opens" drv wait "class=#32770;title=お昼休みなど、長めの休憩^^" 5000
press "class=#32770;title=お昼休みなど、長めの休憩^^" 2
e2e_app_exit
for folder in "$APP" "$DATA"; do
    eq "nothing loaded from ${folder##*/}" "$(cat "$folder/planted.log" 2>/dev/null)" ""
done
