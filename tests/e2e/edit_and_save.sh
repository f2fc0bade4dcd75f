#!/bin/sh
# Edits a value file the way a user does: the editor runs on its own virtual
# X display and gets real mouse clicks and key presses. Every case opens the
# file through "Datei" > "Öffnen..." with the path typed into the file dialog,
# edits and saves it; each saved file must equal the original with the
# edited values replaced, byte for byte.
#
#   edit_and_save     -1.25 typed into line 5 and Enter, saved through
#                     "Datei" > "Speichern", then "Datei" > "Beenden".
#   press_on_diagram  555 typed into line 1, a press on the diagram at index
#                     200, Enter: the press hands the waiting value to the
#                     pressed index instead of committing it into line 1.
#   menu_by_keyboard  777 typed into line 3 without Enter, Alt+D and S save:
#                     the save commits the waiting value first, so the file
#                     holds 777 in line 3.
#   save_over_file_size_limit
#                     the editor runs under a file-size limit of 4096 bytes,
#                     with the signal for writes beyond it at its default
#                     (ending the process): -1.25 typed into line 5 and
#                     saved must bring "Zu wenig Speicherplatz" while the
#                     editor runs on, and the file keeps every old byte.
#   menu_escaped_once 9 typed into line 10, "Bearbeiten" opened by a click
#                     and closed by one Escape, 1 typed, a click on line 20:
#                     the click commits 91 into line 10 as it would without
#                     the menu.
#   redo_keys         55 committed into line 5, undone by Ctrl+Z and redone by
#                     Ctrl+Shift+Z; then 7 typed, Ctrl+Z and Ctrl+Y undo and
#                     redo it in the field alone, and Enter writes 7.
#   relative_command_line
#                     the editor started in the work folder with the file
#                     named as user/werte.kos: the title shows the full name,
#                     and "Speichern unter..." with only a name typed writes
#                     beside the file.
#   drop_from_another_program
#                     another program's window drags a value file onto the
#                     list of a changed document, pressed and moved by the
#                     pointer: the editor asks about the changes, and after
#                     "Nein" takes the file as a copy and opens it; a save
#                     writes it back unchanged.
#   drop_without_data the same from a program whose drag data end before the
#                     drop fetches them: the file seen on entering opens.
#   wheel_zoom_keeps_the_value
#                     Ctrl and the wheel from "Ganze Kurve", Ctrl released in
#                     the list: a press there picks the value under the mouse.
#   desktop_identity  the window carries an icon, and the class its desktop
#                     entry names in StartupWMClass (read with xprop).
#
# Usage: edit_and_save.sh <case> <KoravEditor> [korav-grab [korav-dragsource]]
# Exits 77 (skipped) when Xvfb, xdotool or xauth is missing or no display
# starts. With korav-grab, a failure leaves a picture of the screen in the
# current folder.
set -u

. "$(dirname "$0")/xsession.sh"

case=$1
editor=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
grab=${3:-}
dragsource=${4:-}
# The real path: the editor's open files are matched against it.
work=$(cd "$(mktemp -d)" && pwd -P)
document=
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

on_failure() {
    if [ -n "$grab" ] && [ -n "${DISPLAY:-}" ]; then
        "$grab" "$PWD/$case-failure.png" >/dev/null 2>&1 &&
            echo "screen at the failure: $PWD/$case-failure.png"
    fi
    if [ -n "$document" ] && [ -f "$document" ]; then
        echo "bytes changed in the value file (offset from 1, old, new, in octal):"
        cmp -l "$work/original.kos" "$document" | head -n 20
    fi
}

# The original with value $1 (a signed 16-bit integer) at index $2.
with_value() {
    head -c $((2 * $2)) "$work/original.kos"
    # shellcheck disable=SC2059
    printf "\\$(printf %03o $(($1 & 255)))\\$(printf %03o $((($1 >> 8) & 255)))"
    tail -c +$((2 * $2 + 3)) "$work/original.kos"
}

held_open() {
    for fd in /proc/"$editor_pid"/fd/*; do
        [ "$(readlink "$fd" 2>/dev/null)" = "$1" ] && return 0
    done
    return 1
}

saved() {
    [ -e "$document" ] && ! held_open "$document"
}

# Runs the command that saves and waits until the editor has written the file
# and closed it. The file is removed first, so that a save is seen also where
# it writes the bytes the file already holds; a file blanked by this script
# would be another program's change, which the editor asks about.
save_with() {
    rm -f "$document"
    "$@"
    wait_for "the file to be saved" saved
}

# The saved file must be $1; $2 says what it means when it is not.
expect_file() {
    cmp -s "$document" "$1" || fail "$2"
}

integer_mode() {
    click_client 450 104
}

menu_by_keys() {
    press alt+d
    wait_for "the Datei menu" menu_shown
    xdo key s
}

# Writes -1.25 into line 5 and saves through the menu.
edit_line_5() {
    with_value -1280 5 >"$work/expected.kos"
    # The C locale makes "." the decimal separator; -1.25 is -1280 in fixed point.
    click_line 5
    type_text -1.25
    press Return
    save_with file_menu s
    expect_file "$work/expected.kos" "the saved file does not hold -1.25 in line 5 alone"
}

case_edit_and_save() {
    edit_line_5

    file_menu b
    wait_for "the editor to quit" editor_ended
    wait "$editor_pid"
    status=$?
    editor_pid=
    [ "$status" -eq 0 ] || fail "the editor ended with status $status"
    expect_file "$work/expected.kos" "the file changed after the save"
}

case_press_on_diagram() {
    with_value 555 200 >"$work/expected.kos"
    integer_mode
    click_line 1
    type_text 555
    # With the list's top line below 100 the diagram is scrolled to its left
    # end. Index 200 lies at column 50 + round(200 * 0.9538) = 241 of the
    # diagram, which maps back to round(191 / 0.9538) = 200; the columns either
    # side map to 199 and 201, so a press a pixel off shows in the file. The
    # scroll box has a frame of 1 pixel.
    click_client $((200 + 1 + 241)) $((184 + 1 + 100))
    press Return
    save_with file_menu s
    expect_file "$work/expected.kos" "the saved file does not hold 555 at index 200 and the original in line 1"
}

case_wheel_zoom_keeps_the_value() {
    click_line 0
    press Return # line 1 alone, and the focus in the list, where Ctrl is released
    press alt+a
    wait_for "the Anzeige menu" menu_shown
    xdo key a
    # "Ganze Kurve" shows about values 992 to 1000 in column 167 of the 399 in
    # view (0.117 columns a value); ten notches make it 1.094 columns a value.
    wait_for "menus to close" alone
    xdo mousemove $((X + 200 + 1 + 167)) $((Y + menu_bar_height + 184 + 1 + 100))
    xdo keydown ctrl click --repeat 10 --delay 30 4 keyup ctrl
    click_client $((200 + 1 + 167)) $((184 + 1 + 100))
    type_text 5
    press Return
    save_with file_menu s
    set -- $(cmp -l "$work/original.kos" "$document") 0
    index=$((($1 - 1) / 2))
    [ "$index" -ge 988 ] && [ "$index" -le 1004 ] || fail "the press picked value $index, not about 996"
    with_value 5120 "$index" >"$work/expected.kos"
    expect_file "$work/expected.kos" "the file does not hold 5 at value $index alone"
}

# The file is named on the command line instead of chosen in the dialog.
case_open_from_command_line() {
    edit_line_5
}

case_menu_by_keyboard() {
    integer_mode
    click_line 3
    type_text 777
    with_value 777 3 >"$work/expected.kos"
    save_with menu_by_keys
    expect_file "$work/expected.kos" "the save by Alt+D S did not commit the waiting 777 into line 3 first"
}

case_save_over_file_size_limit() {
    click_line 5
    type_text -1.25
    press Return
    file_menu s
    wait_for "the error message" others_shown
    running "$editor_pid" || fail "the editor ended during the save"
    expect_file "$work/original.kos" "the failed save changed the file"
    [ "$(ls -A "$work/user")" = werte.kos ] || fail "the failed save left files behind: $(ls -A "$work/user")"
    xdo key Return
    wait_for "the message to close" alone
    running "$editor_pid" || fail "the editor ended after the message"
}

case_menu_escaped_once() {
    with_value 91 10 >"$work/expected.kos"
    integer_mode
    click_line 10
    type_text 9
    click 80 8
    wait_for "the Bearbeiten menu" menu_shown
    xdo key Escape
    type_text 1
    click_line 20
    save_with file_menu s
    expect_file "$work/expected.kos" "the click after the menu did not write 91 into line 10"
}

case_redo_keys() {
    with_value 7 5 >"$work/expected.kos"
    integer_mode
    click_line 5
    type_text 55
    press Return
    press ctrl+z
    press ctrl+shift+z
    type_text 7
    press ctrl+z
    press ctrl+y
    press Return
    save_with file_menu s
    expect_file "$work/expected.kos" "the redo keys did not leave 7 alone in line 5"
}

case_relative_command_line() {
    file_menu u
    wait_for "the save dialog" visible 'Speichern unter$'
    dialog=$(visible 'Speichern unter$' | head -n 1)
    wait_for "the save dialog to have the focus" focused "$dialog"
    xdo key ctrl+a
    xdo type --delay 10 -- kopie.kos
    xdo key Return
    wait_for "the copy to be written" test -f "$work/user/kopie.kos" -o -f "$work/kopie.kos"
    wait_for "the title to name the copy" title_is "KORAV-Editor - $work/user/kopie.kos"
    cmp -s "$work/user/kopie.kos" "$work/original.kos" || fail "the copy beside the file differs"
}

# Drags with the left button held from ($1, $2) to ($3, $4) on the screen, in
# steps, as a hand moves: X's drag-and-drop follows the pointer's motion.
drag_pointer() {
    xdo mousemove "$1" "$2" mousedown 1
    for step in 1 2 3 4 5 6 7 8 9 10; do
        sleep 0.05
        xdo mousemove $(($1 + ($3 - $1) * step / 10)) $(($2 + ($4 - $2) * step / 10))
    done
    sleep 0.2
    xdo mouseup 1
}

# $1: an option of the drag source.
case_drop_from_another_program() {
    [ -n "$dragsource" ] || fail "no drag source program given"
    with_value 4321 7 >"$work/user/drop.kos"
    cp "$work/user/drop.kos" "$work/dropped.kos"
    "$dragsource" "$work/user/drop.kos" 860 660 ${1:+"$1"} >"$work/dragsource.log" 2>"$work/dragsource.err" &
    dragsource_pid=$!
    wait_for "the drag source" visible '^Ziehquelle$'
    # A changed document: the drop asks first.
    click_line 5
    type_text 12
    press Return
    wait_for "menus and dialogs to close" alone
    drag_pointer 935 700 $((X + 70)) $((Y + menu_bar_height + 100))
    wait_for "the question about the changes" menu_shown
    prompt=$(others_shown | head -n 1)
    wait_for "the question to have the focus" focused "$prompt"
    xdo key alt+n
    wait_for "the drag source to end its drag" grep -q . "$work/dragsource.log"
    [ "$(cat "$work/dragsource.log")" = copy ] || fail "the drop was answered '$(cat "$work/dragsource.log")', not copy"
    wait_for "the dropped file to open" title_is "KORAV-Editor - $work/user/drop.kos"
    cmp -s "$document" "$work/original.kos" || fail "answering Nein saved the changes"
    stop "$dragsource_pid"
    document=$work/user/drop.kos
    save_with file_menu s
    expect_file "$work/dropped.kos" "saving the dropped file changed it"
}

case_drop_without_data() {
    case_drop_from_another_program --data-end-with-drag
}

case_desktop_identity() {
    command -v xprop >/dev/null 2>&1 || skip "xprop is not installed"
    entry=$(dirname "$0")/../../packaging/korav-editor.desktop
    class=$(sed -n 's/^StartupWMClass=//p' "$entry")
    [ -n "$class" ] || fail "the desktop entry names no StartupWMClass"
    xprop -id "$main" WM_CLASS | grep -q ", \"$class\"\$" ||
        fail "the window's class is not $class: $(xprop -id "$main" WM_CLASS)"
    xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (' || fail "the window has no icon"
}

command -v "case_$case" >/dev/null 2>&1 || fail "no case named $case"

start_xvfb

# The user's folder holds the value file alone; the references stay outside.
mkdir "$work/user"
document=$work/user/werte.kos
# Bytes 0, 1, ..., 255, 0, 1, ...: no two neighbouring values are equal.
block=$(printf '\\%03o' $(seq 0 255))
for _ in $(seq 20); do
    # shellcheck disable=SC2059
    printf "$block"
done | head -c 5000 >"$work/original.kos"
head -c 5000 /dev/zero >"$work/blank.kos"
cp "$work/original.kos" "$document"

if [ "$case" = save_over_file_size_limit ]; then
    # prlimit leaves SIGXFSZ at its default; only the editor itself may ignore it.
    command -v prlimit >/dev/null 2>&1 || skip "prlimit is not installed"
    printf '#!/bin/sh\nexec prlimit --fsize=4096 -- "%s" "$@"\n' "$editor" >"$work/limited-editor"
    chmod +x "$work/limited-editor"
    editor=$work/limited-editor
fi
if [ "$case" = open_from_command_line ]; then
    start_editor "$editor" "$work/user" "$document"
elif [ "$case" = relative_command_line ]; then
    start_editor "$editor" "$work" user/werte.kos "$document"
else
    start_editor "$editor" "$work/user"
    open_document "$document"
fi
"case_$case"
echo "PASSED: $case"
