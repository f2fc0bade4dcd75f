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

# The desktop entry: errors and warnings fail, hints do not (two main
# categories draw one).
desktop="$prefix/share/applications/korav-editor.desktop"
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
if echo "$report" | grep -E -q "error:|warning:"; then
    fail "desktop-file-validate: $report"
fi
[ -n "$report" ] && echo "$report"
grep -q '^Exec=KoravEditor %f$' "$desktop" || fail "Exec does not pass the file"
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

# The databases a desktop builds, looked up as the file manager does.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
update-desktop-database "$prefix/share/applications"
[ -f "$prefix/share/mime/$type.xml" ] || fail "$type is not registered"
export PATH="$prefix/bin:$PATH"
export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$work/home" XDG_CONFIG_HOME="$work/home"
mkdir "$work/files"
for name in juni.kos juni.koe juni.k1 juni.k9 juni.k10 juni.k99 juni.k100 juni.k0 juni.txt; do
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
