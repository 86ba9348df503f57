#!/usr/bin/env bash
# Installs what the EPUB index test runs: epubcheck (a Java program, with a
# Java runtime of some 200 MB) and zip. Kept apart from the build's own list:
# the test is skipped without them, and most builds need not pay for Java.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" epubcheck zip
