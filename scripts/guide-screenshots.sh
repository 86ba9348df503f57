#!/usr/bin/env bash
# Renews the guide's pictures of the program from the offscreen build:
# opens its windows and dialogs on the example project and saves them to
# docs/guide/images. Look at each picture before you commit it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j2 --target guide_screenshots
QT_QPA_PLATFORM=offscreen build/docs/guide_screenshots examples/manual docs/guide/images
