#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Quiet and quick when everything is already there. With --checks: the
# extra packages of the sanitizer and fuzzing builds and the install and
# package checks (clang with the sanitizer runtime of its own version,
# dpkg-dev for the package's library dependencies).
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
updated=""

install_missing() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  if [ -z "$updated" ]; then
    $SUDO apt-get update -qq
    updated=1
  fi
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

if [ "${1:-}" = "--checks" ]; then
  install_missing clang desktop-file-utils appstream dpkg-dev
  # The sanitizer and fuzzer runtime comes in a package named after clang's
  # major version (libclang-rt-14-dev for clang 14).
  major=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)
  [ -n "$major" ] || { echo "install-deps: cannot tell clang's version" >&2; exit 1; }
  install_missing "libclang-rt-$major-dev"
  exit 0
fi

install_missing \
  cmake ninja-build g++ make \
  qt6-base-dev qt6-svg-dev libgl-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  nlohmann-json3-dev libcli11-dev libgmp-dev \
  clang-format
