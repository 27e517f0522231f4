#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice:
# once as shipped, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_dependencies.sh"

echo "== build and test"
"$root/scripts/build.sh" "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build/test" --output-on-failure

echo "== build and test under the sanitizers"
"$root/scripts/build.sh" "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DKAVELO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build/sanitize" --output-on-failure
