#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A private X server with a window manager (which gives the focus back to
# the main window when a dialog closes), a private D-Bus session with the
# accessibility bus and its registry, then the screen reader's walk of Norv
# in one language.
#   run_screen_reader_walk.sh path/to/norv English|Italiano
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${NORV_WALK_X:-}" ]; then
    NORV_WALK_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
if [ -z "${NORV_WALK_BUS:-}" ]; then
    NORV_WALK_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" "$wm" 2>/dev/null || true' EXIT
sleep 0.5
/usr/bin/python3 "$here/screen_reader_walk.py" "$@"
