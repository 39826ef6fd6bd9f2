#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (process start to the main window shown, offscreen) with a
# settings file Norv cannot or must not use as it is: a lock path that is a
# folder, a pipe, a dangling link or a freshly left empty file, a deeply
# nested serialised value, a link to another user's file, a file just small
# enough to be read (1 MiB), a 100 MB file, a full disk, a relative
# XDG_CONFIG_HOME, no HOME. Each case is set up afresh before each run;
# prints the median and the slowest run in milliseconds, or how many runs
# showed no window within 20 s (a hang or a crash).
# usage: settings_startup.sh [--runs N] <norv_startup>
set -euo pipefail

runs=10
if [ "${1:-}" = --runs ]; then runs=$2; shift 2; fi
only=
if [ "${1:-}" = --full-disk ]; then only=full-disk; shift; fi
norv=$(realpath "$1")
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
conf=$work/config/Norv/Norv.conf
# Read as Italian and overhead on; the Options window's load writes "1" at start.
settings=$'[Options]\nLanguage=Italiano\nOverhead=1.0\n'

# Sets the case up afresh in $work; the environment Norv starts with goes to $env.
plant() {
  rm -rf "$work/config" "$work/dotfiles" "$home"
  mkdir -p "$work/config/Norv" "$work/dotfiles" "$home"
  printf '%s' "$settings" >"$conf"
  env=(XDG_CONFIG_HOME="$work/config" HOME="$home")
  case $1 in
    plain) ;;
    lock-folder) mkdir "$conf.lock" ;;
    lock-pipe) mkfifo "$conf.lock" ;;
    lock-dangling-link) ln -s "$work/gone" "$conf.lock" ;;
    lock-left-empty) : >"$conf.lock" ;;
    nested-value)
      { printf '[Options]\nLanguage=@Variant('
        for _ in $(seq 3000); do printf '%s' '\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1\0\0\0\t\0\0\0\x1'; done
        printf '%s\n' '\0\0\0\0)'; } >"$conf" ;;
    link-to-others-file)
      mv "$conf" "$work/dotfiles/norv.conf"
      chown 65534:65534 "$work/dotfiles/norv.conf" && ln -s "$work/dotfiles/norv.conf" "$conf" ;;
    largest-read) { yes '; a comment line that Norv keeps' | head -c 1040000; printf '\n%s' "$settings"; } >"$conf" ;;
    huge-file) truncate -s 100M "$conf" ;;
    full-disk)
      local free
      free=$(stat -f -c '%a' "$work")
      dd if=/dev/zero of="$work/filler" bs="$(stat -f -c '%S' "$work")" count=$((free - 1)) status=none || true ;;
    relative-xdg) env=(XDG_CONFIG_HOME=config HOME="$home") ;;
    no-home) env=(-u HOME -u XDG_CONFIG_HOME) ;;
  esac
}

# One start: milliseconds to the main window shown.
measure() {
  local start out shown
  start=$(date +%s%N)
  out=$(cd "$work" && timeout 20 env "${env[@]}" "$norv" 2>/dev/null || true)
  shown=$(sed -n 's/^shown_ns=//p' <<<"$out")
  if [ -n "$shown" ]; then echo $(( (shown - start) / 1000000 )); else echo none; fi
}

report() {
  local case=$1 times=()
  for _ in $(seq "$runs"); do
    plant "$case" || { printf '%-20s %s\n' "$case" "cannot be set up here"; return; }
    times+=("$(measure)")
    rm -f "$work/filler"
  done
  printf '%s\n' "${times[@]}" | sort -n |
    awk -v c="$case" '$1 == "none" { lost++; next } { v[++n] = $1 }
      END { if (lost) { printf "%-20s no window in %d of %d runs\n", c, lost, lost + n; exit }
            m = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
            printf "%-20s %9.1f %9d\n", c, m, v[n] }'
}

if [ "$only" = full-disk ]; then
  mount -t tmpfs -o size=64k norv-bench "$work"
  report full-disk
  umount "$work"
  exit 0
fi

printf '%-20s %9s %9s   (%d runs, offscreen)\n' case "median ms" "max ms" "$runs"
for c in plain lock-folder lock-pipe lock-dangling-link lock-left-empty nested-value link-to-others-file \
         largest-read huge-file relative-xdg no-home; do
  report "$c"
done
# The full disk on a small file system of its own, seen by nothing else.
userns=(); [ "$(id -u)" -eq 0 ] || userns=(--user --map-root-user)
unshare "${userns[@]}" --mount "$0" --runs "$runs" --full-disk "$norv" 2>/dev/null ||
  printf '%-20s %s\n' full-disk "no small file system can be mounted here"
