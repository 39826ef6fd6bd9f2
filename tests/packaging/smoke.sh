#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an installed Norv on a real X server with a fresh settings directory,
# waits for its main window, asks it to close as a window manager would, and
# expects exit status 0 and the two settings written.
set -euo pipefail
norv=$1
close_request=$2

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config
export QT_QPA_PLATFORM=xcb   # the window must reach the X server to be found

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Norv2$" | head -n 1) || true
  if [ -z "$window" ]; then echo "the main window did not appear"; kill "$pid"; exit 1; fi
  "$2" "$window"
  status=0
  timeout 30 tail --pid="$pid" -f /dev/null || { echo "Norv did not end"; kill "$pid"; exit 1; }
  wait "$pid" || status=$?
  echo "Norv ended with status $status"
  exit "$status"
' smoke "$norv" "$close_request"

conf="$config/Norv/Norv.conf"
grep -qx 'Language=English' "$conf" || { echo "Language not written:"; cat "$conf"; exit 1; }
grep -qx 'Overhead=0' "$conf" || { echo "Overhead not written:"; cat "$conf"; exit 1; }
echo "settings written: $conf"
