#!/bin/sh
# Builds the Debian package of the build and checks that it holds what the
# installation holds and declares what the programs need to run: the Qt
# libraries found by dpkg-shlibdeps and the platform plugins the window loads.
# Usage: check_package.sh <build folder>. Exits 77 when a tool is missing.
set -eu
build="$1"

. "$(dirname "$0")/common.sh"
require_tools cpack dpkg-deb dpkg-shlibdeps file

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
package="$(ls "$work"/*.deb)"

depends="$(dpkg-deb -f "$package" Depends)"
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libqt6svg6 libc6; do
    echo "$depends" | grep -E -q "(^|, )$needed( |,|\$)" || fail "Depends lacks $needed"
done
dpkg-deb -c "$package" | sed 's/.* \.\//\//' >"$work/contents"
for file in /usr/bin/KoravEditor /usr/bin/korav-auswertung /usr/libexec/korav-editor/korav-auswertung-bild \
    /usr/share/applications/korav-editor.desktop \
    /usr/share/mime/packages/korav-editor.xml /usr/share/icons/hicolor/scalable/apps/korav-editor.svg \
    /usr/share/man/man1/KoravEditor.1.gz /usr/share/man/man1/korav-auswertung.1.gz \
    /usr/share/doc/korav-editor/copyright /usr/share/doc/korav-editor/changelog.gz; do
    grep -q -x "$file" "$work/contents" || fail "the package lacks $file"
done
echo "package complete: $(basename "$package")"
