#!/usr/bin/env bash
# Installs the built program into a temporary DESTDIR, validates its launcher and metainfo,
# and starts it offscreen from another folder through the launcher's Exec line: the window
# must open, the help page and translations must be the installed ones, and the settings
# must go to the XDG folder while nothing is written under the prefix.
set -euo pipefail
build=$1
stage=$(mktemp -d)
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/root/usr
share=$usr/share

for file in bin/quillet share/quillet/help/index.html share/quillet/translations/qtbase_ja.qm \
            share/applications/quillet.desktop share/metainfo/quillet.metainfo.xml; do
    [ -s "$usr/$file" ] || fail "$file is not installed"
done
for size in 16 32 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/quillet.png
    [ -s "$icon" ] || fail "no ${size}x${size} icon"
    file -b "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon: $(file -b "$icon")"
done

desktop-file-validate "$share/applications/quillet.desktop"
# The id stays "quillet", the name of the launcher, since the project owns no domain name.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$share/metainfo/quillet.metainfo.xml"
grep -qx 'StartupWMClass=quillet' "$share/applications/quillet.desktop" ||
    fail "the launcher's StartupWMClass is not the window's class"

# A start as the application menu makes it: the Exec line, with the prefix's bin on PATH.
exec_line=$(sed -n 's/^Exec=//p' "$share/applications/quillet.desktop")
mkdir -p "$stage/elsewhere" "$stage/home"
chmod 700 "$stage/home"
touch "$stage/before"
log=$stage/log
(
    cd "$stage/elsewhere"
    export HOME=$stage/home XDG_CONFIG_HOME=$stage/home/config XDG_DATA_HOME=$stage/home/data
    export XDG_CACHE_HOME=$stage/home/cache XDG_RUNTIME_DIR=$stage/home PATH=$usr/bin:$PATH
    export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='quillet.startup.info=true'
    export QT_MESSAGE_PATTERN='%{message}'
    exec $exec_line
) 2>"$log" &
program=$!
for _ in $(seq 300); do
    grep -q 'window shown: true' "$log" && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
grep -q 'window shown: true' "$log" || { cat "$log" >&2; fail "the window did not open"; }
# The session ends: the program closes as by its close box and keeps its settings.
kill -TERM "$program"
status=0
wait "$program" || status=$?
program=
[ "$status" = 0 ] || { cat "$log" >&2; fail "the program ended with $status"; }

expect() { grep -qxF "$1" "$log" || { cat "$log" >&2; fail "expected \"$1\""; }; }
expect "translations: $share/quillet/translations/qtbase_ja.qm"
expect "help page: $share/quillet/help/index.html"
expect "user symbols: $stage/home/data/quillet/User.mrk"
grep -q '^WindowWidth=' "$stage/home/config/quillet/quillet.INI" ||
    fail "no settings in the XDG config folder"
written=$(find "$stage/root" "$stage/elsewhere" -newer "$stage/before" ! -type d)
[ -z "$written" ] || fail "written beside the program: $written"
