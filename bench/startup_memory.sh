#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (process start to the main window exposed) and peak resident
# memory of Norv and of a bare Qt window, on the offscreen platform and on
# an X server (Xvfb), in one run; prints min and median and their ratios.
# usage: startup_memory.sh [--runs N] <norv_startup> <bare_window>
set -euo pipefail

runs=20
if [ "${1:-}" = --runs ]; then runs=$2; shift 2; fi
if [ "${1:-}" = --inner ]; then inner=1; shift; else inner=0; fi
norv=$(realpath "$1")
bare=$(realpath "$2")

# One measurement: microseconds to the window shown, and peak memory in KiB.
measure() {
  local start out shown rss
  start=$(date +%s%N)
  out=$("$1")
  shown=$(sed -n 's/^shown_ns=//p' <<<"$out")
  rss=$(sed -n 's/^peak_rss_kib=//p' <<<"$out")
  echo "$(( (shown - start) / 1000 )) $rss"
}

# min and median of a column of numbers
stats() { sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%s %s\n", v[1], m }'; }

if [ "$inner" = 1 ]; then
  config=$(mktemp -d)
  trap 'rm -rf "$config"' EXIT
  export XDG_CONFIG_HOME=$config
  : >"$config/norv" ; : >"$config/bare"
  for _ in $(seq "$runs"); do   # alternate, so that both see the same machine
    measure "$norv" >>"$config/norv"
    measure "$bare" >>"$config/bare"
  done
  read -r nt_min nt_med < <(cut -d' ' -f1 "$config/norv" | stats)
  read -r bt_min bt_med < <(cut -d' ' -f1 "$config/bare" | stats)
  read -r nm_min nm_med < <(cut -d' ' -f2 "$config/norv" | stats)
  read -r bm_min bm_med < <(cut -d' ' -f2 "$config/bare" | stats)
  awk -v p="$QT_QPA_PLATFORM" -v r="$runs" \
      -v ntn="$nt_min" -v ntm="$nt_med" -v btn="$bt_min" -v btm="$bt_med" \
      -v nmn="$nm_min" -v nmm="$nm_med" -v bmn="$bm_min" -v bmm="$bm_med" 'BEGIN {
    printf "%-9s %-6s %9.1f %9.1f %9.1f %9.1f   (%d runs)\n", p, "norv", ntn / 1000, ntm / 1000, nmn / 1024, nmm / 1024, r
    printf "%-9s %-6s %9.1f %9.1f %9.1f %9.1f\n", p, "bare", btn / 1000, btm / 1000, bmn / 1024, bmm / 1024
    printf "%-9s %-6s %9.2f %9.2f %9.2f %9.2f\n", p, "ratio", ntn / btn, ntm / btm, nmn / bmn, nmm / bmm
  }'
  exit 0
fi

printf "%-9s %-6s %9s %9s %9s %9s\n" platform what "start min" "median ms" "mem min" "median MiB"
QT_QPA_PLATFORM=offscreen "$0" --runs "$runs" --inner "$norv" "$bare"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --runs "$runs" --inner "$norv" "$bare"
