#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with, when they
# are missing. Safe to run again: it installs nothing that is already there.
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libexpat1-dev pkg-config)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
