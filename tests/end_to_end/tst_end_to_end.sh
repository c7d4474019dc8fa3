#!/usr/bin/env bash
# End to end: the real program on a virtual X screen, driven with mouse and keyboard as a user
# would. It proves that "Stampa 4 pagine x foglio" swaps the main window for the four-up
# calculator; that 41 pages are rounded up to 44 with the red warning shown; that the listing a
# user copies out of the output box is, byte for byte, the four-up sequence for 44 pages; that
# closing the calculator from its close control brings the main window back where it was and
# gets rid of the calculator, so that opening it again starts afresh; and that "FINE" ends the
# program with status 0.
#
# Usage: tst_end_to_end.sh PATH_TO_PLICORA
# Needs Xvfb, xdotool, xclip and python3 (only its standard ctypes, to reach libX11).
set -euo pipefail

program=${1:?usage: tst_end_to_end.sh PATH_TO_PLICORA}
[[ -x $program ]] || { echo "FAIL: $program is not an executable" >&2; exit 1; }

work=$(mktemp -d)
screen_width=1024
screen_height=768
xvfb_pid=
program_pid=

cleanup() {
    if [[ -n $program_pid ]] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "FAIL: $*" >&2
    if [[ -n $program_pid ]] && ! kill -0 "$program_pid" 2>/dev/null; then
        echo "(the program is no longer running)" >&2
    fi
    if [[ -s $work/program.log ]]; then
        echo "--- program output:" >&2
        cat "$work/program.log" >&2
    fi
    exit 1
}

step() { echo "== $*"; }

# Runs "$@" every 50 ms until it succeeds; gives up once $1 seconds have passed, however long
# each try takes (a slow clipboard read can take seconds).
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# ---- the virtual screen and a few X requests xdotool lacks

start_xvfb() {
    # -displayfd lets the server pick a free display and say which once it accepts clients.
    # -noreset: xdotool's short connections must not reset the server under the program.
    Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$work/display" >/dev/null 2>"$work/xvfb.log" &
    xvfb_pid=$!
    poll 10 grep -q '[0-9]' "$work/display" || {
        cat "$work/xvfb.log" >&2
        fail "Xvfb did not start"
    }
    DISPLAY=":$(tr -dc '0-9' <"$work/display")"
    export DISPLAY
}

# close WINDOW: asks the window to close as a window manager does when the user clicks its close
#   control, with a WM_DELETE_WINDOW client message. A window that doesn't offer that protocol
#   would be killed by a window manager instead, so that is a failure here.
# pixel WINDOW X Y: prints the colour at X,Y of the window as rrggbb.
x11() {
    python3 - "$@" <<'PYTHON'
import ctypes as C
import sys

x = C.CDLL("libX11.so.6")
x.XOpenDisplay.restype = C.c_void_p
x.XOpenDisplay.argtypes = [C.c_char_p]
x.XInternAtom.restype = C.c_ulong
x.XInternAtom.argtypes = [C.c_void_p, C.c_char_p, C.c_int]
x.XGetWMProtocols.argtypes = [C.c_void_p, C.c_ulong, C.POINTER(C.POINTER(C.c_ulong)),
                              C.POINTER(C.c_int)]
x.XSendEvent.argtypes = [C.c_void_p, C.c_ulong, C.c_int, C.c_long, C.c_void_p]
x.XSync.argtypes = [C.c_void_p, C.c_int]
x.XGetImage.restype = C.c_void_p
x.XGetImage.argtypes = [C.c_void_p, C.c_ulong, C.c_int, C.c_int, C.c_uint, C.c_uint,
                        C.c_ulong, C.c_int]
x.XGetPixel.restype = C.c_ulong
x.XGetPixel.argtypes = [C.c_void_p, C.c_int, C.c_int]
x.XDestroyImage.argtypes = [C.c_void_p]
x.XFree.argtypes = [C.c_void_p]
x.XCloseDisplay.argtypes = [C.c_void_p]

class ClientMessage(C.Structure):
    _fields_ = [("type", C.c_int), ("serial", C.c_ulong), ("send_event", C.c_int),
                ("display", C.c_void_p), ("window", C.c_ulong), ("message_type", C.c_ulong),
                ("format", C.c_int), ("data", C.c_long * 5)]

class XEvent(C.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", C.c_long * 24)]

CLIENT_MESSAGE, Z_PIXMAP, ALL_PLANES = 33, 2, 0xFFFFFFFF

command, window = sys.argv[1], int(sys.argv[2], 0)
display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")

if command == "close":
    delete_window = x.XInternAtom(display, b"WM_DELETE_WINDOW", False)
    protocols, count = C.POINTER(C.c_ulong)(), C.c_int()
    if not x.XGetWMProtocols(display, window, C.byref(protocols), C.byref(count)):
        sys.exit("the window sets no WM_PROTOCOLS")
    offered = [protocols[i] for i in range(count.value)]
    x.XFree(protocols)
    if delete_window not in offered:
        sys.exit("the window does not offer WM_DELETE_WINDOW")
    event = XEvent()
    event.xclient.type = CLIENT_MESSAGE
    event.xclient.window = window
    event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", False)
    event.xclient.format = 32
    event.xclient.data[0] = delete_window  # data[1], the time, stays CurrentTime
    x.XSendEvent(display, window, False, 0, C.byref(event))
elif command == "pixel":
    image = x.XGetImage(display, window, int(sys.argv[3]), int(sys.argv[4]), 1, 1, ALL_PLANES,
                        Z_PIXMAP)
    if not image:
        sys.exit("cannot read the window's pixels")
    print("%06x" % (x.XGetPixel(image, 0, 0) & 0xFFFFFF))
    x.XDestroyImage(image)
else:
    sys.exit("unknown command " + command)
x.XSync(display, False)
x.XCloseDisplay(display)
PYTHON
}

# ---- windows, as a user sees them

# Prints WIDTHxHEIGHT+X+Y of a window, relative to the screen.
geometry() {
    local shell
    shell=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 1
    awk -F= '{ v[$1] = $2 }
        END { printf "%sx%s+%s+%s\n", v["WIDTH"], v["HEIGHT"], v["X"], v["Y"] }' <<<"$shell"
}

visible_windows() { xdotool search --onlyvisible --name '^Plicora$' 2>/dev/null || true; }

# Sets "found" to the visible Plicora window of the given client size, if exactly one is shown.
find_shown_window() {
    local size=$1 id ids
    ids=$(visible_windows)
    [[ $(wc -w <<<"$ids") -eq 1 ]] || return 1
    id=$ids
    [[ $(geometry "$id") == "$size"+* ]] || return 1
    found=$id
}

window_exists() { grep -qx "$1" <<<"$(xdotool search --name '^Plicora$' 2>/dev/null)"; }

window_gone() { ! window_exists "$1"; }

# Clicks at X,Y of a window's client area. No --sync: the server applies the move before the
# click anyway, and with --window xdotool waits 15 s when the pointer is already there.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

pixel_is() { [[ $(x11 pixel "$1" "$2" "$3" 2>/dev/null) == "$4" ]]; }

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# ---- the clipboard

# True if the clipboard holds exactly the contents of the file $1; keeps what it read in
# $work/copied.
clipboard_is() {
    timeout 5 xclip -o -selection clipboard >"$work/copied" 2>/dev/null || true
    cmp -s "$1" "$work/copied"
}

expect_clipboard() {
    local expected=$1 what=$2
    if ! poll 5 clipboard_is "$expected"; then
        echo "--- $what: expected (-) against copied (+), line ends shown as \$:" >&2
        diff -u --label expected --label copied "$expected" "$work/copied" | cat -A >&2 || true
        fail "the copied $what differs from what was expected"
    fi
}

# ---- what the program should show

# The four-up listing for N pages (a multiple of 4) from page 1, separator ",", as Qt copies it.
four_up_listing() {
    local n=$1 sheets=$(($1 / 4)) s front='' back='' label
    for ((s = 1; s <= sheets; s++)); do
        front+="$((n - 2 * s + 2)),$((2 * s - 1)),"
        back+="$((2 * s)),$((n - 2 * s + 1)),"
    done
    printf "*** STAMPA MULTI PAGINA ***\n\nSequenza 'Fronte' pagina\n%s\n\n" "$front"
    printf "Sequenza 'Retro' pagina\n%s\n\n*** STAMPA SINGOLA PAGINA ***\n\n" "$back"
    for ((s = 1; s <= sheets; s++)); do
        label="Foglio N.$((2 * s - 1))) "
        printf '%s(fronte) %d,%d\n' "$label" $((n - 2 * s + 2)) $((2 * s - 1))
        printf '%*s(retro ) %d,%d\n' ${#label} '' $((2 * s)) $((n - 2 * s + 1))
    done
}

# ---- where things are

# Client sizes and points inside controls, in pixels of the window's client area: the windows'
# twip layouts divided by 15 (one pixel at 96 dpi, the -dpi of the virtual screen). A point is a
# few pixels inside its control, e.g. Form2's Command1 spans twips 120..4455 x 6120..6495.
form1_size=651x357
form1_command1=(160 328)
form1_command4=(496 328)
form2_size=659x467
form2_text1=(252 148)
form2_command1=(152 420)
form2_stampa=(476 276)
form2_errore_corner=(293 397) # inside the warning, below its text
warning_red=aa0000

start_program() {
    mkdir -m 700 "$work/runtime"
    # No session bus: keeps the program off the desktop's, and stops libdbus from trying to
    # autolaunch one, which leaks a buffer that LeakSanitizer reports at exit.
    env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_ENABLE_HIGHDPI_SCALING \
        -u QT_FONT_DPI QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
        "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
}

# ---- the steps

# Checks a window is centred on the screen, give or take a pixel of rounding.
expect_centred() {
    local window=$1 what=$2 width height x y
    IFS='x+' read -r width height x y <<<"$(geometry "$window")"
    if ((2 * x + width - screen_width > 2 || 2 * x + width - screen_width < -2 ||
        2 * y + height - screen_height > 2 || 2 * y + height - screen_height < -2)); then
        fail "$what is at $(geometry "$window"), not centred on the screen" \
            "(${screen_width}x${screen_height})"
    fi
}

# Clicks into a control, selects all of it and copies it, as a user would.
copy_from() {
    click "$1" "$2" "$3"
    xdotool key ctrl+a ctrl+c
}

# Expects the clipboard to hold exactly the text $1.
expect_copied() {
    printf '%s' "$1" >"$work/expected_text"
    expect_clipboard "$work/expected_text" "$2"
}

open_four_up() {
    click "$form1" "${form1_command1[@]}"
    poll 10 find_shown_window "$form2_size" ||
        fail "the four-up window (${form2_size}) did not appear alone; shown: $(visible_windows)"
    form2=$found
    expect_centred "$form2" "the four-up window"
}

# Checks the warning is hidden; only after a clipboard round trip, so the window has been painted.
expect_no_warning() {
    if pixel_is "$form2" "${form2_errore_corner[@]}" "$warning_red"; then
        fail "the page warning shows $1"
    fi
}

close_four_up() {
    x11 close "$form2" || fail "could not send the close request"
    poll 5 find_shown_window "$form1_size" ||
        fail "the main window did not come back alone; shown: $(visible_windows)"
    [[ $found == "$form1" ]] || fail "a different main window came back"
    [[ $(geometry "$form1") == "$form1_geometry" ]] ||
        fail "the main window came back at $(geometry "$form1"), not at $form1_geometry"
    poll 5 window_gone "$form2" || fail "the closed four-up window still exists"
}

# ---- the test

step "starting Xvfb"
start_xvfb
echo "display $DISPLAY"

step "starting $program"
start_program
poll 20 find_shown_window "$form1_size" || fail "the main window (${form1_size}) did not appear"
form1=$found
expect_centred "$form1" "the main window"
form1_geometry=$(geometry "$form1")

step "opening the four-up calculator"
open_four_up

step "typing 41 pages and calculating"
click "$form2" "${form2_text1[@]}"
xdotool key ctrl+a type 41
copy_from "$form2" "${form2_text1[@]}"
expect_copied 41 "typed page count"
expect_no_warning "before any calculation"
click "$form2" "${form2_command1[@]}"
poll 5 pixel_is "$form2" "${form2_errore_corner[@]}" "$warning_red" ||
    fail "the red page warning did not appear"

step "copying the listing and the rounded page count"
four_up_listing 44 >"$work/expected_listing"
copy_from "$form2" "${form2_stampa[@]}"
expect_clipboard "$work/expected_listing" "listing"
copy_from "$form2" "${form2_text1[@]}"
expect_copied 44 "page count"

step "closing the four-up window from its close control"
close_four_up

step "reopening it: a fresh calculator"
open_four_up
copy_from "$form2" "${form2_text1[@]}"
expect_copied 40 "page count of the reopened window"
expect_no_warning "in the reopened window"
close_four_up

step "pressing FINE"
click "$form1" "${form1_command4[@]}"
poll 5 program_ended || fail "the program was still running 5 s after FINE"
status=0
wait "$program_pid" || status=$?
program_pid=
[[ $status -eq 0 ]] || fail "the program exited with status $status after FINE"

echo "PASS"
