#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the .deb without installing it: its control data, that it depends on
# the package of every library the program loads, the files it ships, that no
# invented address reaches a user, and then the program unpacked from it on a
# real X server (smoke.sh). Installing it with apt-get is left to a throwaway
# machine: a test never touches the system it runs on.
# usage: deb_check.sh <deb> <version> <close_request>
set -euo pipefail
deb=$1
version=$2
close_request=$3
smoke=$(dirname "$0")/smoke.sh

fail() { echo "$*"; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = norv ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Maintainer)" = "$DEBFULLNAME <$DEBEMAIL>" ] || fail "Maintainer: $(field Maintainer), not the packager"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

for f in usr/bin/norv usr/share/applications/org.example.Norv.desktop \
         usr/share/metainfo/org.example.Norv.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.example.Norv.svg \
         usr/share/icons/hicolor/48x48/apps/org.example.Norv.png \
         usr/share/man/man1/norv.1.gz usr/share/doc/norv/copyright usr/share/doc/norv/changelog.gz; do
  [ -f "$root/$f" ] || fail "not in the package: /$f"
done
head=$(gzip -dc "$root/usr/share/doc/norv/changelog.gz" | head -n 1)
[[ $head == "norv ($version) "* ]] || fail "the changelog's latest entry is not $version: $head"

# Each library the program asks for by name comes from a package it depends on.
depends=" $(field Depends | sed 's/ ([^)]*)//g; s/,/ /g') "
for lib in $(objdump -p "$root/usr/bin/norv" | awk '$1 == "NEEDED" { print $2 }'); do
  owners=$(dpkg -S "*/$lib" 2>/dev/null | sed 's/[:,].*//' | sort -u) || true
  [ -n "$owners" ] || fail "no installed package holds $lib"
  found=no
  for p in $owners; do [[ $depends == *" $p "* ]] && found=yes; done
  [ "$found" = yes ] || fail "Depends lacks the package of $lib ($owners): $(field Depends)"
done

# Example and reserved domains are invented; the packager's field is the test's own.
invented='example\.(com|net|org)\b|\.(example|invalid)\b(?!\.)'
if grep -rlaP "$invented" "$root"; then fail "an invented address is in the files above"; fi
if dpkg-deb -f "$deb" | grep -v '^Maintainer:' | grep -P "$invented"; then fail "an invented address is in the control data"; fi

"$smoke" "$root/usr/bin/norv" "$close_request"
