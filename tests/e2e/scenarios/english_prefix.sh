#!/usr/bin/env bash
# On a Windows whose code page is 1252, a data folder named 表 keeps the program's files.
export E2E_LANG=en
source "$(dirname "$0")/../lib.sh"
e2e_begin english_prefix
acp=$("$WINE64" reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null | tr -d '\r' | awk '/ACP/{print $3}')
eq "the prefix's code page" "$acp" 1252
DATA="$DATA/表"
mkdir "$DATA"
e2e_app_start
e2e_app_exit
eq "files in 表" "$(cd "$DATA" && ls param.dat restwarden.ini stateTmp.dat 2>&1 | tr '\n' ' ')" "param.dat restwarden.ini stateTmp.dat "
