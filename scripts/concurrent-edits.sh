#!/bin/sh
# Runs PAIRS pairs of add-entry on one page and PAIRS pairs of add-url, the
# two of each pair at the same moment, on a copy of examples/manual, and
# checks that every entry and every URL was kept.
#   scripts/concurrent-edits.sh [PAIRS] [TORVANE]
set -eu
pairs=${1:-100}
torvane=${2:-$(dirname "$0")/../build/src/shell/torvane}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$(dirname "$0")/../examples/manual" "$work/manual"
project="$work/manual/Manual.ipj"
page="$work/manual/guide/search.htm"
export TORVANE_PROFILE="$work/profile.ini"

i=1
while [ "$i" -le "$pairs" ]; do
    "$torvane" add-entry --quiet "$project" guide/search.htm "Concurrent A$i" &
    "$torvane" add-entry --quiet "$project" guide/search.htm "Concurrent B$i" &
    wait
    "$torvane" add-url --quiet "$project" "http://a$i.concurrent.example/" &
    "$torvane" add-url --quiet "$project" "http://b$i.concurrent.example/" &
    wait
    i=$((i + 1))
done

entries=$(grep -c 'IndexAs="Concurrent [AB][0-9]*"' "$page" || true)
urls=$(grep -c '^URL=http://[ab][0-9]*\.concurrent\.example/' "$project" || true)
echo "kept $entries of $((2 * pairs)) entries and $urls of $((2 * pairs)) URLs"
[ "$entries" -eq $((2 * pairs)) ] && [ "$urls" -eq $((2 * pairs)) ]
