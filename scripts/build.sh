#!/usr/bin/env bash
# Configures and builds into the given folder; further arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"
shift
cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
ninja -C "$dir"
