#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks that it holds the installed
# files under /usr and depends on the libraries the program links.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null
package=$(echo "$out"/quillet_*_*.deb)
[ -f "$package" ] || fail "no package in $out"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins \
               fonts-ipafont-gothic; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
for file in ./usr/bin/quillet ./usr/share/applications/quillet.desktop \
            ./usr/share/metainfo/quillet.metainfo.xml ./usr/share/quillet/help/index.html \
            ./usr/share/quillet/translations/qtbase_ja.qm \
            ./usr/share/icons/hicolor/256x256/apps/quillet.png; do
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done
# Nothing outside /usr: removing the package leaves the system as it was.
if grep -v '^\./usr/\|^\./$' <<<"$contents"; then
    fail "files outside /usr"
fi
