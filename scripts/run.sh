#!/usr/bin/env bash
# Installs what is missing, builds the checker and runs it. Without arguments
# it checks the bundled example articles file; with arguments it passes them
# to the checker.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_dependencies.sh"
"$root/scripts/build.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DKAVELO_TESTS=OFF >/dev/null
if [ $# -eq 0 ]; then
  cd "$root"
  set -- hardware-articles examples/articles.xml
fi
exec "$root/build/release/KaveloXmlCheck" "$@"
