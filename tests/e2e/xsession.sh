# The editor on a virtual X display of its own, driven by real mouse clicks
# and key presses through xdotool. Sourced by the end-to-end test and by the
# screenshot script; they set `work` (a scratch folder) before sourcing and
# call cleanup when they end.

skip() {
    echo "SKIPPED: $*"
    exit 77
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed"

xvfb_pid=
editor_pid=

# Callers may define on_failure to add what they know to the report.
fail() {
    echo "FAILED: $*"
    command -v on_failure >/dev/null 2>&1 && on_failure
    [ -s "$work/editor.log" ] && sed 's/^/editor: /' "$work/editor.log"
    exit 1
}

# True while the process runs (a zombie has ended, it only waits to be reaped).
running() {
    state=$(cut -d ' ' -f 3 "/proc/$1/stat" 2>/dev/null) && [ "$state" != Z ]
}

stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null
    tries=0
    while running "$1" && [ "$tries" -lt 20 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

cleanup() {
    stop "$editor_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
# Runs the command every 0.1 s until it succeeds; fails after 10 s, or as
# soon as the editor has ended.
wait_for() {
    what=$1
    shift
    tries=0
    until "$@" >/dev/null 2>&1; do
        # The editor may have ended right after the check above: ask once more.
        [ -z "$editor_pid" ] || running "$editor_pid" || "$@" >/dev/null 2>&1 ||
            fail "the editor ended while waiting for $what"
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

visible() {
    timeout 5 xdotool search --onlyvisible --name "$1"
}

# Qt's menus are windows of the editor without a name.
menu_shown() {
    timeout 5 xdotool search --onlyvisible --classname '^KoravEditor$' | grep -qvx "$main"
}

title_is() {
    [ "$(timeout 5 xdotool getwindowname "$main")" = "$1" ]
}

editor_ended() {
    ! running "$editor_pid"
}

# Clicks at a point given relative to the main window's top-left corner.
click() {
    timeout 5 xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

# Opens the "Datei" menu by its title and picks an item by its underlined letter.
file_menu() {
    click 24 8
    wait_for "the Datei menu" menu_shown
    timeout 5 xdotool key "$1"
}

start_xvfb() {
    # Xvfb picks a free display itself and writes its number when it is ready.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    tries=0
    until [ -s "$work/display" ]; do
        running "$xvfb_pid" || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || skip "Xvfb did not report a display"
        sleep 0.1
    done
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
}

# Starts the editor in folder $2 and waits for its main window; X, Y, WIDTH
# and HEIGHT then give the window's place on the screen.
start_editor() {
    (cd "$2" && exec env LC_ALL=C QT_QPA_PLATFORM=xcb "$1") >"$work/editor.log" 2>&1 &
    editor_pid=$!
    wait_for "the main window" visible '^KORAV-Editor$'
    main=$(visible '^KORAV-Editor$' | head -n 1)
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$main")"
}

# Opens a value file through "Datei" > "Öffnen..." with its path typed.
open_document() {
    file_menu f
    wait_for "the open dialog" visible 'ffnen$'
    timeout 10 xdotool type --delay 10 "$1"
    timeout 5 xdotool key Return
    wait_for "the file to open" title_is "KORAV-Editor - $1"
}
