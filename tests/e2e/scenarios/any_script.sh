#!/usr/bin/env bash
# A data folder whose name code page 932 cannot spell (Zürich): the program keeps its files there, and a WAV
# file chosen in it is kept whole in restwarden.ini, param.dat's path left empty.
source "$(dirname "$0")/../lib.sh"
e2e_begin any_script
DATA="$DATA/Zürich" SOUND="$SHEET;child=音" CHOOSER="class=#32770;title=開く"
mkdir "$DATA"
python3 -c "import wave,sys; w=wave.open(sys.argv[1],'wb'); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000); w.writeframes(bytes([128])*800)" "$DATA/bell.wav"
WAV="Z:${DATA//\//\\}\\bell.wav"

e2e_app_start
open_page 2 "$SOUND"
press "$SOUND" 39
drv wait "$CHOOSER" 10000 >/dev/null
drv set-text "$CHOOSER;id=1148" bell.wav >/dev/null  # the chooser opens in the current folder, Zürich
press "$CHOOSER" 1
drv wait-gone "$CHOOSER" 5000 >/dev/null
eq "the chosen path, whole" "$(drv text "$SOUND;id=40")" "$WAV"
click "$SOUND;id=37"  # WAVファイル
press "$SHEET" 1
drv wait-gone "$SHEET" 5000 >/dev/null
e2e_app_exit
eq "files in Zürich" "$(cd "$DATA" && ls param.dat restwarden.ini stateTmp.dat 2>&1 | tr '\n' ' ')" \
    "param.dat restwarden.ini stateTmp.dat "
eq "param.dat: WAV kind, no path" "$(od -An -tu1 -j4 -N1 "$DATA/param.dat" | tr -d ' ') $(od -An -tu1 -j12 -N1 "$DATA/param.dat" | tr -d ' ')" "7 0"
eq "the path in restwarden.ini" "$(grep -a '^wavPathUtf8=' "$DATA/restwarden.ini" | tr -d '\r')" "wavPathUtf8=$WAV"

