#!/usr/bin/env bash
# Plays the same short Gomocup session with each Linux engine and its Windows build under Wine
# and fails unless the answers are the same and both end with code 0; then runs each further
# Windows program given, which must end with code 0.
#   compare-under-wine.sh LINUX_BIN_DIR WINDOWS_BIN_DIR [CHECK.exe ...]
# The master's session holds only positions whose answer no amount of thinking time changes (a
# move from an empty board, a forced win, a forced block), so that a sanitized Linux build and
# a fast Windows one must agree.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 LINUX_BIN_DIR WINDOWS_BIN_DIR [CHECK.exe ...]" >&2; exit 2; }
linux_bin="$1"
windows_bin="$2"
shift 2
sessions="$(cd "$(dirname "$0")" && pwd)"

wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver64)"
[ -x "$wine" ] || { echo "Wine not found (apt-get install wine64)" >&2; exit 1; }

# A prefix of our own, thrown away afterwards; its first start takes a while. Mono and Gecko
# are not wanted: their installers would ask.
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/wuziqi-wine.XXXXXX")"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
work="$(mktemp -d "${TMPDIR:-/tmp}/wuziqi-wine-answers.XXXXXX")"
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT

# Make the prefix before any engine runs and wait for Wine to settle: left to the first
# engine, the prefix was made beside that engine's session, and the engine once timed out there.
# The wait is only a courtesy; a prefix that cannot be made fails the check.
if ! timeout 300 "$wine" wineboot --init </dev/null >/dev/null 2>&1; then
    echo "FAIL making the Wine prefix"
    exit 1
fi
timeout 120 "$wineserver" -w || echo "note: Wine had not settled after 120 s; going on"

passed=0
failed=0
check() {
    local engine="$1" session="$sessions/$2"
    local expected="$work/$engine.linux" actual="$work/$engine.wine" status
    status=0
    "$linux_bin/$engine" < "$session" > "$expected" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "FAIL $engine on Linux: exit code $status"
        failed=$((failed + 1))
        return
    fi
    # The first engine after the prefix was made has twice run out of time here (a session of
    # under a second); by hand, on a prefix not yet settled, the engine gave every answer and
    # then did not end. Such a run is reported with Wine's processes (to learn what waited),
    # Wine is stopped, and the engine runs once more; a second hang, or any other failure, fails.
    local attempt
    for attempt in 1 2; do
        status=0
        timeout 150 "$wine" "$windows_bin/$engine.exe" < "$session" 2>"$actual.err" |
            tr -d '\r' > "$actual" || status=$?
        [ "$status" -eq 124 ] && [ "$attempt" -eq 1 ] || break
        echo "note: $engine.exe under Wine did not end within 150 s" \
            "($(wc -l < "$actual") answers); Wine's processes were:"
        ps -eo pid,ppid,stat,etime,args | grep -Ei 'wine|\.exe' | grep -v grep || true
        "$wineserver" -k 2>/dev/null || true
        timeout 120 "$wineserver" -w || true
        echo "note: running $engine.exe once more"
    done
    if [ "$status" -ne 0 ]; then
        echo "FAIL $engine.exe under Wine: exit code $status"
        cat "$actual.err"
        failed=$((failed + 1))
    elif ! diff -u "$expected" "$actual"; then
        echo "FAIL $engine.exe under Wine answers otherwise than $engine on Linux (above)"
        failed=$((failed + 1))
    else
        echo "ok   $engine.exe under Wine: $(wc -l < "$actual") answers as on Linux"
        passed=$((passed + 1))
    fi
}

check pbrain-wuziqi standard-session.txt
check pbrain-wuziqi-master master-session.txt
for program in "$@"; do
    if timeout 300 "$wine" "$program"; then
        echo "ok   $(basename "$program") under Wine"
        passed=$((passed + 1))
    else
        echo "FAIL $(basename "$program") under Wine"
        failed=$((failed + 1))
    fi
done
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
