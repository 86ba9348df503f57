#!/usr/bin/env bash
# Validates a SARIF log with Microsoft's SARIF multitool, installed from npm
# into a cache folder on first use.
# Exit status: 0 valid, 1 not valid, 77 the validator cannot be installed.
set -uo pipefail
log=${1:?usage: sarif-validate.sh LOG.sarif}
cache=${TORVANE_SARIF_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/torvane-sarif}
tool=$cache/node_modules/.bin/sarif-multitool
if [ ! -x "$tool" ]; then
  command -v npm >/dev/null || { echo "sarif-validate: npm is not installed"; exit 77; }
  mkdir -p "$cache"
  if ! (cd "$cache" && timeout 600 npm install --no-audit --no-fund --silent @microsoft/sarif-multitool >/dev/null 2>&1); then
    echo "sarif-validate: @microsoft/sarif-multitool cannot be installed"; exit 77
  fi
fi
# The package's install script, which npm may leave unrun, only makes its program executable.
chmod u+x "$cache"/node_modules/@microsoft/sarif-multitool-*/Sarif.Multitool 2>/dev/null
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! output=$("$tool" validate "$log" --output "$report" --log ForceOverwrite 2>&1); then
  echo "$output"; exit 1
fi
echo "$output"
# Rule violations are errors of the log; the tool's warnings are advice.
if grep -q ': error ' <<<"$output"; then exit 1; fi
exit 0
