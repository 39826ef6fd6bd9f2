#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the .deb with apt-get, as a user would, runs the smoke test against
# the installed program, checks the desktop files are in place, and removes it.
# Needs root (or sudo without a password); skipped otherwise.
set -euo pipefail
deb_dir=$1
close_request=$2
smoke=$(dirname "$0")/smoke.sh

if [ "$(id -u)" -eq 0 ]; then as_root=(); elif sudo -n true 2>/dev/null; then as_root=(sudo -n); else
  echo "installing a package needs root: skipped"; exit 77
fi
deb=$(ls "$deb_dir"/norv_*.deb | head -n 1)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$(realpath "$deb")"
trap '"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y norv >/dev/null' EXIT

for f in /usr/bin/norv /usr/share/applications/org.example.Norv.desktop \
         /usr/share/metainfo/org.example.Norv.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/org.example.Norv.svg \
         /usr/share/icons/hicolor/48x48/apps/org.example.Norv.png; do
  [ -e "$f" ] || { echo "missing after install: $f"; exit 1; }
done
"$smoke" /usr/bin/norv "$close_request"
