#!/bin/sh
# Edits a value file the way a user does: the editor runs on its own virtual
# X display and gets real mouse clicks and key presses. It opens the file
# through "Datei" > "Öffnen..." with the path typed into the file dialog,
# writes a value into line 5 through the entry field, saves through
# "Datei" > "Speichern" and quits; then the file must differ from the
# original in exactly the two bytes of line 5.
#
# Usage: edit_and_save.sh <KoravEditor> [korav-grab]
# Exits 77 (skipped) when Xvfb or xdotool is missing or no display starts.
# With korav-grab, a failure leaves a picture of the screen in the current
# folder.
set -u

. "$(dirname "$0")/xsession.sh"

editor=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
grab=${2:-}
work=$(mktemp -d)
document=
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

on_failure() {
    if [ -n "$grab" ] && [ -n "${DISPLAY:-}" ]; then
        "$grab" "$PWD/edit_and_save-failure.png" >/dev/null 2>&1 &&
            echo "screen at the failure: $PWD/edit_and_save-failure.png"
    fi
    if [ -n "$document" ] && [ -f "$document" ]; then
        echo "bytes changed in the value file (offset from 1, old, new, in octal):"
        cmp -l "$work/original.kos" "$document" | head -n 20
    fi
}

start_xvfb

# The user's folder holds the value file alone; the references stay outside.
mkdir "$work/user"
document=$work/user/werte.kos
# Bytes 0, 1, ..., 255, 0, 1, ...: line 5 holds bytes 10 and 11.
block=$(printf '\\%03o' $(seq 0 255))
for _ in $(seq 20); do
    # shellcheck disable=SC2059
    printf "$block"
done | head -c 5000 >"$work/original.kos"
cp "$work/original.kos" "$document"
# -1.25 in the fixed-point representation is -1280, 0xFB00 little-endian.
{
    head -c 10 "$work/original.kos"
    printf '\000\373'
    tail -c +13 "$work/original.kos"
} >"$work/expected.kos"

# The C locale makes "." the decimal separator of the typed value.
start_editor "$editor" "$work/user"
open_document "$document"

# Line 5 of the list; the click moves the focus into the entry field.
click 70 98
timeout 10 xdotool type --delay 10 -- "-1.25"
timeout 5 xdotool key Return

file_menu s
wait_for "the file to be saved" cmp -s "$document" "$work/expected.kos"

file_menu b
wait_for "the editor to quit" editor_ended
wait "$editor_pid"
status=$?
editor_pid=
[ "$status" -eq 0 ] || fail "the editor ended with status $status"
cmp "$document" "$work/expected.kos" || fail "the file changed after the save"
echo "PASSED: opened, edited, saved and quit through the menus"
