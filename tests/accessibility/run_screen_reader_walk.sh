#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A private X server with a window manager (which gives the focus back to
# the main window when a dialog closes), a private D-Bus session with the
# accessibility bus and its registry, and a private home for what they
# keep, then the screen reader's walk of Norv in one language.
#   run_screen_reader_walk.sh path/to/norv English|Italiano
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${NORV_WALK_HOME:-}" ]; then
    home=$(mktemp -d)
    mkdir -m 700 "$home/runtime"
    # The server picks a free display itself and names it when it is ready:
    # no race with other servers starting at the same time.
    Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1280x1024x24 3>"$home/display" 2>/dev/null &
    server=$!
    trap 'kill "$server" 2>/dev/null && wait "$server" 2>/dev/null; rm -rf "$home"' EXIT
    for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
    status=0
    env -u XAUTHORITY DISPLAY=":$(cat "$home/display")" NORV_WALK_HOME="$home" XDG_CACHE_HOME="$home/cache" \
        XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
        dbus-run-session -- "$0" "$@" || status=$?
    exit $status
fi
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" "$wm" 2>/dev/null || true' EXIT
sleep 0.5
/usr/bin/python3 "$here/screen_reader_walk.py" "$@"
