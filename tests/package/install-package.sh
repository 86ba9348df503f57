#!/usr/bin/env bash
# Makes the Debian package from a finished build, unpacks it into an empty
# root and uses what it installed with the system's libraries: the program,
# the example project, the guide, the manual page, the completions and the
# .ipj file type. Usage: install-package.sh BUILD-FOLDER VERSION
set -euo pipefail
build=$1
version=$2
for tool in cpack dpkg-deb lintian xdg-mime update-mime-database man; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not make the package"; }
deb=$(echo "$work"/package/torvane_"$version"_*.deb)
[ -f "$deb" ] || fail "no torvane_${version}_*.deb made"
if ! findings=$(lintian --fail-on error "$deb" 2>&1); then
  echo "$findings"
  fail "lintian reports errors"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libicu; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
# A clean environment: the installed program, the system's libraries, a profile of the test's own.
run() { env -i PATH="$root/usr/bin:/usr/bin:/bin" HOME="$work/home" TORVANE_PROFILE="$work/profile.ini" "$@"; }

[ "$(run torvane --version)" = "HTML Torvane $version" ] || fail "torvane --version says $(run torvane --version)"
cp -r "$root/usr/share/doc/torvane/examples/manual" "$work/manual"
run torvane make-index --quiet "$work/manual/Manual.ipj" || fail "make-index failed on the installed example"
for index in Manual.htm Manual.hhk Manual.xml Manual.jhm; do
  [ -s "$work/manual/$index" ] || fail "make-index wrote no $index"
done
run torvane check --strict --quiet "$root/usr/share/doc/torvane/guide/Guide.ipj" >/dev/null ||
  fail "the installed guide does not pass check --strict"

page=$(run env MANPATH="$root/usr/share/man" MANWIDTH=200 man torvane-desktop 2>&1) || fail "man torvane-desktop: $page"
[[ $page == *"torvane add-entry PROJECT.ipj TARGET ENTRY"* ]] || fail "the manual page lacks add-entry: $page"
completion=$(bash -c "source '$root/usr/share/bash-completion/completions/torvane' && complete -p torvane")
[ "$completion" = "complete -F _torvane torvane" ] || fail "bash completion: $completion"
[ -s "$root/usr/share/zsh/vendor-completions/_torvane" ] || fail "no zsh completion"
[ -s "$root/usr/share/fish/vendor_completions.d/torvane.fish" ] || fail "no fish completion"
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/torvane.png" ] || fail "no ${size}x${size} icon"
done

# The desktop's view: the package's file type and entry in a user data folder of their own.
export XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$work/none
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$root"/usr/share/mime/packages/* "$XDG_DATA_HOME/mime/packages/"
cp -r "$root/usr/share/applications" "$XDG_DATA_HOME/"
update-mime-database "$XDG_DATA_HOME/mime"
# Known by its name, and by its first line under any other name.
cp "$work/manual/Manual.ipj" "$work/project-file"
for file in "$work/manual/Manual.ipj" "$work/project-file"; do
  type=$(xdg-mime query filetype "$file")
  [ "$type" = application/x-torvane-project ] || fail "xdg-mime sees $file as $type"
done
default=$(xdg-mime query default application/x-torvane-project)
[ "$default" = torvane.desktop ] || fail "xdg-mime opens projects with '$default'"
echo "The package installs and runs: $(basename "$deb")"
