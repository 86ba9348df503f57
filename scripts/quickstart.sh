#!/usr/bin/env bash
# Installs what the build needs, builds the program, and makes the index of the example
# manual. The example is copied to examples/manual/out/ (ignored by git) so
# that the generated files never mix with the example's sources.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh torvane   # only the program; scripts/test.sh builds the rest

example=examples/manual
work=$example/out
rm -rf "$work"
mkdir -p "$work"
find "$example" -mindepth 1 -maxdepth 1 ! -name out -exec cp -r {} "$work"/ \;

# A profile of its own keeps the run away from the user's settings.
TORVANE_PROFILE="$PWD/$work/quickstart.ini" build/src/shell/torvane "$work/Manual.ipj" /makeindex

echo "Index files of the example manual:"
for f in Manual.htm Manual.hhk Manual.xml Manual.jhm; do
  echo "  $PWD/$work/$f"
done
echo "Open $PWD/$work/Manual.htm in a browser to see the HTML index."

echo "Checking the example's index (its two deliberate warnings are let stand, see examples/manual/README.md):"
TORVANE_PROFILE="$PWD/$work/quickstart.ini" build/src/shell/torvane check --strict "$work/Manual.ipj"
