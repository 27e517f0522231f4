#!/usr/bin/env bash
# Generates an articles file of the given size (MB, default 100), then times
# the checker and xmllint --noout --stream on it in the same run, with their
# peak memory. Usage: bench/compare_xmllint.sh [megabytes] [build folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mb="${1:-100}"
build="${2:-$root/build/test}"
file="$(mktemp --suffix=.xml)"
trap 'rm -f "$file"' EXIT
"$build/generate_articles" "$file" "$mb"
echo "file: $(stat -c %s "$file") bytes"
/usr/bin/time -f "KaveloXmlCheck: %e s, peak %M KiB" "$build/KaveloXmlCheck" hardware-articles "$file" --quiet | tail -1
/usr/bin/time -f "xmllint --noout --stream: %e s, peak %M KiB" xmllint --noout --stream "$file"
