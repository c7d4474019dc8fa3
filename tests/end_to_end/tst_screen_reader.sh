#!/usr/bin/env bash
# End to end through a screen reader's eyes: the real program on a virtual X screen, with its own
# D-Bus session and accessibility bus, read through AT-SPI by a reader script. Skipped (77) when
# AT-SPI's Python bindings (python3-pyatspi) are missing.
#
# Usage: tst_screen_reader.sh PATH_TO_PLICORA [SCRIPT]
#   SCRIPT: the reader to run, screen_reader.py (the calculator) unless given, or
#   booklet_reader.py (the booklet window opened for a PDF)
set -euo pipefail

program=${1:?usage: tst_screen_reader.sh PATH_TO_PLICORA [SCRIPT]}
script=${2:-screen_reader.py}
# Debian's Python, which holds the bindings, whatever python3 comes first on the PATH.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# -noreset: the accessibility bus's launcher connects to the screen for a moment; when it leaves as
# the last client, a server that resets refuses the program connecting at that very moment
# ("could not connect to display").
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" \
    >/dev/null 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q '[0-9]' "$work/display" && break
    sleep 0.1
done
grep -q '[0-9]' "$work/display" || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -dc '0-9' <"$work/display")"

# A session bus of its own, which starts the accessibility bus when the program asks for it.
dbus-run-session -- "$python" "$(dirname "$0")/$script" "$program"
