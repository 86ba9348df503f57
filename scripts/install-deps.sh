#!/usr/bin/env bash
# Installs the Debian packages that building and testing need (or the packages named as
# arguments); does nothing when all are there.
set -euo pipefail
packages=("$@")
[ $# -gt 0 ] || packages=(build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxml2-utils xvfb xauth libicu-dev clang-format
          dpkg-dev lintian man-db groff-base xdg-utils shared-mime-info zsh fish)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
