#!/usr/bin/env bash
# Fuzzes the check of articles files under AddressSanitizer and
# UndefinedBehaviorSanitizer with libFuzzer (clang). Seeds are the test and
# example files. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-120}"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKAVELO_SANITIZE=ON -DKAVELO_TESTS=OFF -DKAVELO_FUZZ=ON >/dev/null
ninja -C "$root/build/fuzz" check_fuzzer
corpus="$root/build/fuzz/corpus"
mkdir -p "$corpus"
cp "$root"/tests/cases/*/files/*.xml "$root"/examples/*.xml "$corpus"/
"$root/build/fuzz/check_fuzzer" -max_total_time="$seconds" -max_len=4096 -dict="$root/tests/fuzz/xml.dict" "$corpus"
