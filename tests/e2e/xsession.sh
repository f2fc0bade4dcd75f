# The editor on a virtual X display of its own, driven by real mouse clicks
# and key presses through xdotool. Sourced by the end-to-end test and by the
# screenshot script; they set `work` (a scratch folder) before they call
# start_xvfb, and call cleanup when they end.
#
# Every wait is for a condition, with a limit generous enough for an editor
# built with sanitizers on a loaded machine. Keys go out only when the window
# that should receive them has the keyboard focus: without a window manager
# the X server sends keys typed before a dialog took the focus to the window
# below it, where the dialog's modality drops them.

skip() {
    echo "SKIPPED: $*"
    exit 77
}

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed"
command -v xauth >/dev/null 2>&1 || skip "xauth is not installed"

# Seconds one condition may take.
wait_limit=60
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
    # Xvfb removes its lock file and sockets on the way out; give it time.
    deadline=$(($(date +%s) + 10))
    while running "$1" && [ "$(date +%s)" -lt "$deadline" ]; do
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

cleanup() {
    stop "$editor_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}

# Runs the command every 0.1 s until it succeeds; fails after wait_limit
# seconds, or as soon as the editor has ended.
wait_for() {
    what=$1
    shift
    deadline=$(($(date +%s) + wait_limit))
    until "$@" >/dev/null 2>&1; do
        # The editor may have ended right after the check above: ask once more.
        [ -z "$editor_pid" ] || running "$editor_pid" || "$@" >/dev/null 2>&1 ||
            fail "the editor ended while waiting for $what"
        [ "$(date +%s)" -lt "$deadline" ] || "$@" >/dev/null 2>&1 ||
            fail "timed out after $wait_limit s waiting for $what"
        sleep 0.1
    done
}

# One xdotool command that must succeed: input that silently went nowhere
# would only show up later as a wrong file.
xdo() {
    timeout 30 xdotool "$@" >/dev/null || fail "xdotool $* did not succeed"
}

visible() {
    timeout 10 xdotool search --onlyvisible --name "$1"
}

# The editor's windows on screen besides the main window: its menus and dialogs.
others_shown() {
    timeout 10 xdotool search --onlyvisible --classname '^KoravEditor$' | grep -vx "$main"
}

menu_shown() {
    others_shown >/dev/null
}

# A click while a menu or popup is open would only close it.
alone() {
    ! menu_shown
}

focused() {
    [ "$(timeout 10 xdotool getwindowfocus -f)" = "$1" ]
}

# The main window alone is shown and has the keyboard focus. A menu bar that
# a single Escape left in its keyboard mode cannot be seen from here and
# would take the keys: leave menus by choosing an item.
main_ready() {
    alone && focused "$main"
}

title_is() {
    [ "$(timeout 10 xdotool getwindowname "$main")" = "$1" ]
}

editor_ended() {
    ! running "$editor_pid"
}

# Clicks at a point given relative to the main window's top-left corner.
click() {
    wait_for "menus and dialogs to close" alone
    xdo mousemove $((X + $1)) $((Y + $2)) click 1
}

# The same, relative to the client area below the menu bar, where the
# window's layout places its controls.
menu_bar_height=18
click_client() {
    click "$1" $(($2 + menu_bar_height))
}

# Clicks line $1 of the value list (13 pixels a line, inside a 1-pixel frame).
click_line() {
    click_client 70 $((8 + 1 + 13 * $1 + 6))
}

# Presses keys in the main window once it alone has the focus.
press() {
    wait_for "the main window to have the focus" main_ready
    xdo key "$@"
}

type_text() {
    wait_for "the main window to have the focus" main_ready
    xdo type --delay 10 -- "$1"
}

# Opens the "Datei" menu by its title and picks an item by its underlined letter.
file_menu() {
    click 24 8
    wait_for "the Datei menu" menu_shown
    xdo key "$1"
}

start_xvfb() {
    # The display is claimed by Xvfb's lock file, which Xvfb takes at once or
    # ends, and which other X servers and xvfb-run respect; with -displayfd
    # Xvfb takes no lock. -nopn makes it end rather than run without some of
    # the display's sockets. The cookie keeps out clients that meant another
    # display. Without -noreset the server resets whenever its last client
    # leaves and drops a client that connects meanwhile: the editor starting
    # while xdotool looks for its window. Runs started together begin their
    # search apart, away from xvfb-run's 99 upwards.
    XAUTHORITY=$work/xauthority
    export XAUTHORITY
    : >"$XAUTHORITY"
    display=$((200 + $$ % 600))
    attempts=0
    # Xvfb started with SIGUSR1 ignored signals its parent, this shell, once
    # it accepts clients.
    xvfb_ready=
    trap 'xvfb_ready=1' USR1
    while :; do
        xauth -q -f "$XAUTHORITY" add ":$display" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" ||
            skip "xauth could not write a cookie"
        (trap '' USR1 && exec Xvfb ":$display" -auth "$XAUTHORITY" -nolisten tcp -nopn -noreset -screen 0 1024x768x24) \
            >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        deadline=$(($(date +%s) + wait_limit))
        while [ -z "$xvfb_ready" ] && running "$xvfb_pid" && [ "$(date +%s)" -lt "$deadline" ]; do
            sleep 0.1
        done
        [ -n "$xvfb_ready" ] && break
        running "$xvfb_pid" && skip "Xvfb did not start within $wait_limit s"
        wait "$xvfb_pid"
        attempts=$((attempts + 1))
        [ "$attempts" -lt 20 ] || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
        display=$((display + 1))
    done
    # A later signal must not end this shell.
    trap : USR1
    DISPLAY=:$display
    export DISPLAY
}

# Starts the editor in folder $2 and waits for its main window; X, Y, WIDTH
# and HEIGHT then give the window's place on the screen.
# A file given as $3 is named on the editor's command line, and the title
# shows it, or the name given as $4. The locale is C,
# so that "." is the decimal separator of typed values, unless editor_locale
# names another.
start_editor() {
    (cd "$2" && exec env LC_ALL="${editor_locale:-C}" QT_QPA_PLATFORM=xcb "$1" ${3:+"$3"}) >"$work/editor.log" 2>&1 &
    editor_pid=$!
    title='^KORAV-Editor$'
    [ -z "${3:-}" ] || title="^KORAV-Editor - ${4:-$3}\$"
    wait_for "the main window" visible "$title"
    main=$(visible "$title" | head -n 1)
    geometry=$(timeout 30 xdotool getwindowgeometry --shell "$main") || fail "the main window has no place on the screen"
    eval "$geometry"
}

# Opens a value file through "Datei" > "Öffnen..." with its path typed.
open_document() {
    file_menu f
    wait_for "the open dialog" visible 'ffnen$'
    dialog=$(visible 'ffnen$' | head -n 1)
    wait_for "the open dialog to have the focus" focused "$dialog"
    xdo type --delay 10 -- "$1"
    xdo key Return
    wait_for "the file to open" title_is "KORAV-Editor - $1"
}
