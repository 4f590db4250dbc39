#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, but only
# those that are missing, so that a prepared machine starts building at once.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  # lupdate and lrelease with the CMake package that finds them; the catalogue
  # check is a Python script; locale-gen makes a German or English system to try.
  qt6-l10n-tools qt6-tools-dev python3 locales
  fonts-liberation
  poppler-utils
  openssl
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # Validating the eFTI export against its schema in the tests.
  libxml2-dev libxml2-utils
  clang libclang-rt-14-dev
  # Installing as a desktop program: validators, MIME database, Debian package.
  desktop-file-utils appstream shared-mime-info xdg-utils man-db groff-base
  dpkg-dev fakeroot
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
