#!/bin/sh
# Retakes the README's screenshots from the real program under a virtual display:
#   docs/screenshots/refresh.sh [build folder]
# Needs xvfb, openbox, xdotool, xclip, x11-utils and imagemagick.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../../build}/app/quillet
work=$(mktemp -d)
trap 'kill $app $other $wm $server 2>/dev/null || true; rm -rf "$work"' EXIT
app=; other=; wm=

# A display of its own, well away from a desktop's.
number=120
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY=":$number"
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
openbox >/dev/null 2>&1 &
wm=$!
# Takes the focus before each shot, so that no field shows its caret or focus frame.
xmessage -geometry +900+700 . >/dev/null 2>&1 &
other=$!
mkdir -p "$XDG_CONFIG_HOME/quillet"

# The first visible window found by the xdotool search options given, waiting for it up to
# ten seconds.
window_of() {
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && echo "$found" && return
        sleep 0.1
    done
    echo "no window for $*" >&2
    exit 1
}

# Pastes UTF-8 text into the field that has the focus.
paste() {
    printf '%s' "$1" | xclip -selection clipboard
    xdotool key --clearmodifiers ctrl+v
}

# shot NAME PAGE HEIGHT ACTIONS...: opens the program on PAGE, runs the actions, saves the
# window's client area as NAME.png.
shot() {
    name=$1 page=$2 height=$3
    shift 3
    printf '[Window]\r\nWindowWidth=400\r\nWindowHeight=%s\r\nTabPage=%s\r\n' "$height" "$page" \
        >"$XDG_CONFIG_HOME/quillet/quillet.INI"
    printf '[Mark]\r\nTypeIndex=すべての種類\r\n' | iconv -f UTF-8 -t CP932 \
        >>"$XDG_CONFIG_HOME/quillet/quillet.INI"
    "$program" >/dev/null 2>&1 &
    app=$!
    window=$(window_of --pid "$app")
    xdotool windowactivate --sync "$window"
    "$@"
    xdotool windowactivate --sync "$(window_of --classname xmessage)"
    xdotool mousemove 1000 10
    sleep 1
    import -window "$window" "$here/$name.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
}

click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }

font() { paste "Quillet"; }
gradation() { paste "グラデーション"; }
paragraph() { paste "段落の文字"; }
link() { paste "Quillet" && click 60 130 && paste "https://example.org/"; }
marquee() { paste "お知らせ"; }
image() { paste "images/logo.png"; }
symbol() { click 200 145; }
multi() { paste "Quillet" && click 125 40 3 && click 150 40 3; }

shot font 0 243 font
shot gradation 1 243 gradation
shot paragraph 2 243 paragraph
shot hyperlink 3 243 link
shot marquee 4 243 marquee
shot image 5 243 image
shot symbol 6 330 symbol
shot multi-select 0 243 multi
