#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks that it holds the installed
# files under /usr, depends on the libraries the program links, carries the licence, and
# passes lintian with no error or warning that is not overridden with a reason.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null
package=$(echo "$out"/quillet_*_*.deb)
[ -f "$package" ] || fail "no package in $out"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libgumbo1 libstdc++6 qt6-qpa-plugins \
               fonts-ipafont-gothic; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
for file in ./usr/bin/quillet ./usr/share/applications/quillet.desktop \
            ./usr/share/metainfo/quillet.metainfo.xml ./usr/share/quillet/help/index.html \
            ./usr/share/quillet/translations/qtbase_ja.qm \
            ./usr/share/icons/hicolor/256x256/apps/quillet.png \
            ./usr/share/doc/quillet/copyright ./usr/share/doc/quillet/changelog.Debian.gz \
            ./usr/share/man/man1/quillet.1.gz ./usr/share/lintian/overrides/quillet; do
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done
# Nothing outside /usr: removing the package leaves the system as it was.
if grep -v '^\./usr/\|^\./$' <<<"$contents"; then
    fail "files outside /usr"
fi

# The licence the repository gives is the one the package states, word for word.
source=$(cd "$(dirname "$0")/../.." && pwd)
dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/doc/quillet/copyright >"$out/copyright"
licence_text() {
    sed 's/^ //; /^\.$/d' "$1" | tr -s ' \n' '  ' |
        grep -o 'Permission is hereby granted.*DEALINGS IN THE SOFTWARE\.'
}
[[ "$(licence_text "$out/copyright")" == *"$(licence_text "$source/LICENSE")"* ]] ||
    fail "the copyright file does not carry the text of LICENSE"
grep -qF "Copyright (c) 2026 The Quillet developers" "$source/LICENSE" || fail "LICENSE names no holder"

# lintian ends non-zero on an error or a warning; each override needs a comment saying why.
report=$(lintian --fail-on error,warning "$package" 2>&1) || fail "lintian: $report"
awk '/^[^#]/ && prev !~ /^#/ { bad = 1 } { prev = $0 } END { exit bad }' \
    "$source/resources/package/lintian-overrides" || fail "a lintian override without its reason"
echo "lintian: no error or warning; overridden:"
lintian --show-overrides "$package" 2>/dev/null | grep '^O:' || true
