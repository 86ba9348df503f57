#!/usr/bin/env bash
# Installs what the headless Chromium checks of the modern index page need
# (puppeteer-core, axe-core) beside this script, once. Exit 0 when they and
# Chromium are there, 1 when they cannot be had (no network, no npm).
set -u
here=$(cd "$(dirname "$0")" && pwd)
chromium=${CHROMIUM:-/usr/bin/chromium}
[ -x "$chromium" ] || { echo "no Chromium at $chromium" >&2; exit 1; }
# Tests run side by side: one installs while the others wait, and only a finished install counts.
exec 8>"${TMPDIR:-/tmp}/torvane-browser-install.lock"
flock 8
if [ ! -f "$here/node_modules/.torvane-installed" ]; then
  command -v npm >/dev/null || { echo "no npm" >&2; exit 1; }
  (cd "$here" && npm install --no-audit --no-fund --silent >/dev/null 2>&1) || { echo "npm install failed" >&2; exit 1; }
  touch "$here/node_modules/.torvane-installed"
fi
exit 0
