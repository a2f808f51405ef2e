#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Quiet and quick when everything is already there. With --checks: the
# extra packages of the sanitizer and fuzzing builds and the install checks.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  clang-format libgmp-dev
)
if [ "${1:-}" = "--checks" ]; then
  packages=(clang libclang-rt-14-dev desktop-file-utils appstream)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
