#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves pictures of Norv's windows, in English and in Italian, under a
# private X server: docs/screenshots/<name>-en.png and <name>-it.png.
# It builds nothing: give it the built program.
#   tools/screenshots.sh build/ui/norv
# Needs xvfb-run, xauth, xdotool, x11-utils and imagemagick.
set -eu

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 path/to/norv" >&2
    exit 2
fi
norv=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$(cd "$(dirname "$0")/.." && pwd)/docs/screenshots

# Once more inside a private X server of its own, without a window manager.
if [ -z "${NORV_SHOTS_X:-}" ]; then
    NORV_SHOTS_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$norv"
fi
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb

# The window whose title matches, once it is shown.
window() {
    timeout 10 xdotool search --sync --all --onlyvisible --pid "$pid" --name "$1" | head -n 1 | grep . ||
        { echo "no window \"$1\" came up" >&2; kill "$pid"; exit 1; }
}

# Clicks the middle of a control given at its design position in twips;
# the main window's width tells how many pixels a twip is.
middle() { awk -v s="$scale" -v at="$1" -v size="$2" 'BEGIN { printf "%d", (at + size / 2) * s }'; }
click() { # window left top width height [repeat]
    set -- "$@" 1
    xdotool windowfocus --sync "$1" mousemove --window "$1" "$(middle "$2" "$4")" "$(middle "$3" "$5")" \
        click --repeat "$6" --delay 80 1
    sleep 0.3
}

keys() { xdotool windowfocus --sync "$1"; shift; xdotool key --delay 30 "$@"; sleep 0.3; }
typed() { xdotool windowfocus --sync "$1"; xdotool key ctrl+a; xdotool type --delay 20 "$2"; sleep 0.3; }
shot() { sleep 0.3; import -window "$1" "$out/$2-$lang.png"; echo "$out/$2-$lang.png"; }

run() { # lang stored-language locale dialog-title options-title error-title size-title length-title retry-title
    lang=$1
    config=$(mktemp -d)
    mkdir -p "$config/Norv"
    printf '[Options]\nLanguage=%s\nOverhead=0\n' "$2" > "$config/Norv/Norv.conf"
    XDG_CONFIG_HOME=$config LC_ALL=$3 "$norv" &
    pid=$!
    main=$(window '^Norv2$')
    scale=$(xwininfo -id "$main" | awk '/Width:/ { print $2 / 6480 }')
    shot "$main" main-startup

    # A typical plan: disk space and length, an audio stream by bitrate and
    # the video as a 100% share, the shares allocated, a width typed.
    typed "$main" 734003200
    keys "$main" Tab
    typed "$main" 5400
    click "$main" 4440 120 975 255
    dialog=$(window "^$4\$")
    click "$dialog" 1320 480 1455 285
    keys "$dialog" shift+Tab Down
    click "$dialog" 1320 480 1455 285
    typed "$dialog" 128000
    shot "$dialog" add-stream
    keys "$dialog" Return
    click "$main" 4440 120 975 255
    click "$dialog" 2160 840 255 255
    keys "$dialog" Return
    click "$main" 2880 360 855 240 2
    click "$main" 5040 1680 1335 285
    typed "$main" 500
    shot "$main" main-plan

    # The planning helpers, each by its shortcut, shown filled in and then
    # cancelled: a size in MB, a clock reading, a file 2 % over the plan.
    keys "$main" ctrl+shift+s
    helper=$(window "^$7\$")
    typed "$helper" 700
    shot "$helper" size-helper
    keys "$helper" Escape
    keys "$main" ctrl+shift+l
    helper=$(window "^$8\$")
    typed "$helper" 1:30:00
    shot "$helper" length-helper
    keys "$helper" Escape
    keys "$main" ctrl+shift+t
    helper=$(window "^$9\$")
    typed "$helper" 748683264
    shot "$helper" second-try
    keys "$helper" Escape

    # A disk space too small for the audio alone: shared out again, the
    # video row gets a negative bitrate and is marked.
    click "$main" 1440 120 1335 285
    typed "$main" 10000000
    click "$main" 2880 360 855 240 2
    shot "$main" plan-warning

    click "$main" 120 2760 1335 255
    shot "$(window "^$5\$")" options

    # A second video stream is refused in the error window, whose Close
    # button then ends Norv.
    click "$main" 4440 120 975 255
    click "$dialog" 1320 480 1455 285
    keys "$dialog" shift+Tab Up Return
    error=$(window "^$6\$")
    shot "$error" error
    click "$error" 3600 120 975 375
    wait "$pid"
    rm -rf "$config"
}

run en English en_US.UTF-8 'Add Stream' 'Options' 'Norv error' 'Diskspace in units or discs' \
    'Length in h:mm:ss or frames' 'Second try'
run it Italiano it_IT.UTF-8 'Aggiungi Stream' 'Opzioni' 'Norv errore' 'Spazio su disco in unità o dischi' \
    'Lunghezza in h:mm:ss o fotogrammi' 'Secondo tentativo'
