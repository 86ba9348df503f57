#!/usr/bin/env bash
# Installs what the EPUB index test runs: epubcheck (a Java program, with a
# Java runtime of some 200 MB) and zip. Kept apart from install-deps.sh: the
# test is skipped without them, and most builds need not pay for Java.
set -euo pipefail
packages=(epubcheck zip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
