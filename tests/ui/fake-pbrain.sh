#!/usr/bin/env bash
# A scripted Gomocup engine for the window's tests. It answers as an engine does, saying a
# MESSAGE and a DEBUG line and then playing the first free point in reading order, except at
# its move number FAKE_PBRAIN_FAULT_AT (1 by default), where it does what FAKE_PBRAIN_FAULT
# names:
#   crash     dies by a signal            hang       never answers
#   garbage   answers a sentence          taken      plays the point just played
#   offboard  plays 15,0                  slow       answers after a second
# With FAKE_PBRAIN_FAULT=norestart it answers RESTART with UNKNOWN and plays on; with
# FAKE_PBRAIN_FAULT=deaf it starts a helper process of its own (a long sleep) and ignores END.
set -u
fault=${FAKE_PBRAIN_FAULT:-}
fault_at=${FAKE_PBRAIN_FAULT_AT:-1}
if [[ $fault == deaf ]]; then
    sleep 600 </dev/null >/dev/null 2>&1 &
fi
declare -A taken=()
moves=0
last=""

play() {
    moves=$((moves + 1))
    echo "MESSAGE move $moves"
    echo "DEBUG thinking about move $moves"
    if [[ $moves -eq $fault_at ]]; then
        case $fault in
            crash) kill -KILL $$ ;;
            hang) exec sleep 600 ;;
            garbage) echo "I resign, you play too well"; return ;;
            taken) echo "$last"; return ;;
            offboard) echo "15,0"; return ;;
            slow) sleep 1 ;;
        esac
    fi
    for ((y = 0; y < 15; y++)); do
        for ((x = 0; x < 15; x++)); do
            if [[ -z ${taken[$x,$y]:-} ]]; then
                taken[$x,$y]=1
                echo "$x,$y"
                return
            fi
        done
    done
}

while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
        "START "*) taken=(); echo OK ;;
        RESTART)
            if [[ $fault == norestart ]]; then
                echo "UNKNOWN RESTART is not supported"
            else
                taken=()
                echo OK
            fi ;;
        INFO*) ;;
        ABOUT) echo 'name="pbrain-fake", version="0.1", author="Wuziqi tests"' ;;
        BEGIN) play ;;
        "TURN "*) last=${line#TURN }; taken[$last]=1; play ;;
        BOARD)
            taken=()
            while IFS= read -r row; do
                row=${row%$'\r'}
                [[ $row == DONE ]] && break
                last=${row%,*}
                taken[$last]=1
            done
            play ;;
        END) [[ $fault == deaf ]] || exit 0 ;;
        *) echo "UNKNOWN $line" ;;
    esac
done
