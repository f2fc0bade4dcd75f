#!/bin/sh
# Installs the build into a temporary prefix, as `cmake --install` does for a
# user, and checks what a desktop reads from it: the desktop entry with
# desktop-file-validate, the MIME package against the freedesktop document
# type, and then, through the MIME and desktop databases built in the
# prefix, that value files resolve to the type and the type to the editor.
# Usage: check_install.sh <build folder>. Exits 77 when a tool is missing.
set -eu
build="$1"
type=application/x-korav-werte

. "$(dirname "$0")/common.sh"
require_tools desktop-file-validate update-desktop-database xmllint update-mime-database gio

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

for program in KoravEditor korav-auswertung; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not installed under bin"
done
# "bild" hands over to a program outside bin: the installed command finds it.
head -c 5000 /dev/zero >"$work/null.kos"
"$prefix/bin/korav-auswertung" bild -o "$work/null.png" "$work/null.kos" || fail "the installed bild failed"
[ "$(head -c 4 "$work/null.png" | tail -c 3)" = PNG ] || fail "the installed bild wrote no PNG"

# The desktop entry: errors, warnings and hints all fail.
desktop="$prefix/share/applications/korav-editor.desktop"
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -q '^Exec=KoravEditor %f$' "$desktop" || fail "Exec does not pass the file"
# The class the editor's windows carry under X (the end-to-end tests read it).
grep -q '^StartupWMClass=KoravEditor$' "$desktop" || fail "StartupWMClass does not name the window class"
grep -q "^MimeType=$type;\$" "$desktop" || fail "the entry does not open $type"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" || fail "icon $icon"

# shared-mime-info ships no schema file; its document type stands in the
# head of its own freedesktop.org.xml, which is validated against it.
package="$prefix/share/mime/packages/korav-editor.xml"
system_mime=/usr/share/mime/packages/freedesktop.org.xml
if [ -f "$system_mime" ]; then
    sed -n '/^<!DOCTYPE mime-info \[/,/^\]>/p' "$system_mime" | sed '1d;$d' >"$work/mime-info.dtd"
    xmllint --noout --dtdvalid "$work/mime-info.dtd" "$package" || fail "the MIME package is not valid"
else
    echo "no freedesktop document type on this machine: checking well-formedness only"
    xmllint --noout "$package" || fail "the MIME package is not well-formed"
fi

# The manual pages, compressed, in German, without a warning of groff.
for page in KoravEditor korav-auswertung; do
    file="$prefix/share/man/man1/$page.1.gz"
    [ -f "$file" ] || fail "the manual page of $page is not installed"
    if command -v groff >/dev/null 2>&1; then
        warnings="$(gzip -dc "$file" | groff -man -K utf8 -Tutf8 -ww -z 2>&1)"
        [ -z "$warnings" ] || fail "groff on $page.1: $warnings"
    fi
    gzip -dc "$file" | grep -q '^\.SH BESCHREIBUNG$' || fail "the manual page of $page has no BESCHREIBUNG"
done

# The databases a desktop builds, looked up as the file manager does: the
# MIME database holds the system's types beside ours, so that a type of the
# system that claims one of our names shows up.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
update-desktop-database "$prefix/share/applications"
[ -f "$prefix/share/mime/$type.xml" ] || fail "$type is not registered"
mime="$work/mime/share/mime"
mkdir -p "$mime/packages"
cp /usr/share/mime/packages/*.xml "$package" "$mime/packages/"
update-mime-database "$mime" >/dev/null 2>&1
export PATH="$prefix/bin:$PATH"
export XDG_DATA_DIRS="$work/mime/share:$prefix/share" XDG_DATA_HOME="$work/home" XDG_CONFIG_HOME="$work/home"
mkdir "$work/files"
names="juni.kos juni.koe juni.k0 juni.k100 juni.txt"
for number in $(seq 1 99); do
    names="$names juni.k$number"
done
for name in $names; do
    head -c 5000 /dev/zero >"$work/files/$name"
    resolved="$(gio info -a standard::content-type "$work/files/$name" | sed -n 's/.*standard::content-type: //p')"
    case "$name" in
        *.k100 | *.k0 | *.txt) [ "$resolved" != "$type" ] || fail "$name taken as $type" ;;
        *) [ "$resolved" = "$type" ] || fail "$name resolves to '$resolved'" ;;
    esac
done
gio mime "$type" | grep -q "^Default application for .*: korav-editor.desktop\$" ||
    fail "the editor does not open $type"
echo "installed and valid"
