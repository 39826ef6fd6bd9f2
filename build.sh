#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Norv, then starts it (run) or passes every
# test (test). For a fresh Debian 12 machine: apt-get as root, sudo otherwise.
# `run` installs and builds only the program; `test` adds all the tests need.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

# One list per purpose; `run` takes the first, `test` takes them all.
run_packages=(
  cmake ninja-build g++                       # build
  qt6-base-dev fonts-dejavu-core              # Qt Widgets, and a font to draw with
)
test_packages=(
  libgtest-dev libgmock-dev                   # logic and widget tests
  xvfb xauth xdotool libx11-dev               # tests on a real X server, the close request
  locales                                     # the comma-decimal locale
  desktop-file-utils appstream                # desktop entry and metainfo checks
  dpkg-dev file lintian                       # the .deb: its dependencies, Debian's checker
  libbenchmark-dev                            # benchmarks, run once so that they never rot
  clang libclang-rt-14-dev                    # the fuzzer and its sanitizers
  dbus-daemon at-spi2-core python3-pyatspi    # a screen reader's view: the accessibility bus
  openbox                                     # a window manager for that walk
)
tool_packages=(
  x11-apps imagemagick                        # tools/screenshots.sh
)

packages=("${run_packages[@]}")
[ "$mode" = test ] && packages+=("${test_packages[@]}" "${tool_packages[@]}")

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = run ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DNORV_BENCHMARKS=OFF
  cmake --build build -j2 --target norv
  echo "== Starting Norv, ${SECONDS} s after this command began"
  exec build/ui/norv
fi

# The tests run in a locale whose decimal separator is the comma, too.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
  as_root sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DNORV_BENCHMARKS=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

echo "== Every test once more under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORV_SANITIZE=ON -DNORV_BENCHMARKS=OFF
cmake --build build-asan -j2
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir build-asan --output-on-failure -j2

echo "== Fuzzing the window models for a minute"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNORV_FUZZ=ON -DNORV_UI=OFF -DBUILD_TESTING=OFF -DNORV_BENCHMARKS=OFF
cmake --build build-fuzz -j2 --target norv_fuzz norv_fuzz_seeds
rm -rf build-fuzz/corpus build-fuzz/findings && mkdir -p build-fuzz/corpus build-fuzz/findings
build-fuzz/tests/fuzz/norv_fuzz_seeds build-fuzz/corpus
build-fuzz/tests/fuzz/norv_fuzz -max_total_time=60 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus 2>&1 | tail -n 60
