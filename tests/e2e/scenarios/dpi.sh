#!/usr/bin/env bash
# At 144 DPI the painted dialogs grow by half: the work status strip's 08:03 column and the
# evaluation report's radar stand at 1.5 times their 96-DPI places, inside the client area.
export E2E_DPI=144
source "$(dirname "$0")/../lib.sh"
e2e_begin dpi
DLG="class=#32770;visible"

# Today and four earlier days: 08:00-08:59 working, 09:00-09:09 resting.
for ago in 4 3 2 1; do make_day "$DATA/state.dat" $ago 480-539:1 540-549:3; done
make_day "$DATA/stateTmp.dat" 0 480-539:1 540-549:3
e2e_app_start

# show ID NAME: opens the dialog of menu command ID. Its pixels are read inside its client
# area: a dialog left at its 96-DPI size shows other colours there.
show() {
    drv post class=MAIN 0x111 "$1" 0 >/dev/null
    check "$2 opens" drv wait "$DLG" 10000 >/dev/null
    sleep 0.5
    e2e_shot "$2"
}

# The 08:03 column: x 171, y 53..66 at 96 DPI; 257, 80..100 at 144.
show 40012 work-status-144
eq "08:03 column top, bottom, below it" "$(drv pixel "$DLG" 257 80 257 100 257 102)" \
    "FF2244 FF2244 $(drv pixel "$DLG" 450 130)"
drv command "$DLG" 1 >/dev/null
drv wait-gone "$DLG" 5000 >/dev/null

# The radar's outline of the scores (100, 65, 100, 0, 100): vertices (409, 130), (409, 200)
# and (342, 178) at 96 DPI; (614, 195), (614, 300) and (513, 267) at 144.
show 40013 evaluation-144
eq "Seriousness, Effort and Concentration vertices" "$(drv pixel "$DLG" 614 195 614 300 513 267)" "3203FF 3203FF 3203FF"
drv command "$DLG" 1 >/dev/null
drv wait-gone "$DLG" 5000 >/dev/null
e2e_app_exit
