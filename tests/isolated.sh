#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test command in a private home: its temporary, settings, cache, data
# and runtime folders live in one folder that is removed when it ends, so the
# test reads nothing of the user's and leaves nothing behind (Qt's runtime
# folder, font caches, a tool's temporary files).
# usage: isolated.sh <command> <arg>...
set -uo pipefail
scratch=$(mktemp -d "${TMPDIR:-/tmp}/norv-test.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
trap 'exit 143' TERM INT
mkdir -p "$scratch"/{tmp,home,config,cache,data,runtime}
chmod 700 "$scratch/runtime"
export TMPDIR=$scratch/tmp HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config \
       XDG_CACHE_HOME=$scratch/cache XDG_DATA_HOME=$scratch/data XDG_RUNTIME_DIR=$scratch/runtime
"$@"
