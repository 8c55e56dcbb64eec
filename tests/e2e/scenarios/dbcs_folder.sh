#!/usr/bin/env bash
# Started in a folder named 表 (95 5C in code page 932: its trail byte is '\'), the program
# keeps its files inside that folder, not beside it as "表param.dat".
source "$(dirname "$0")/../lib.sh"
e2e_begin dbcs_folder

parent=$DATA
DATA="$parent/表"
mkdir "$DATA"
e2e_app_start
e2e_app_exit
eq "exit code" "$E2E_APP_STATUS" 0
eq "param.dat inside 表" "$(stat -c %s "$DATA/param.dat" 2>/dev/null)" 284
eq "stateTmp.dat inside 表" "$(stat -c %s "$DATA/stateTmp.dat" 2>/dev/null)" 1456
eq "nothing beside the folder" "$(ls "$parent")" "表"
