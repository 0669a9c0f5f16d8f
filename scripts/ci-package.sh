#!/bin/sh
# CI, after the tests: builds the Debian package from ./build, installs it as
# a user would, uses both installed programs with a fresh home folder, and
# removes the package again. Runs as root or through sudo.
set -eu
cd "$(dirname "$0")/.."
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
fail() {
  echo "ci-package: $*" >&2
  exit 1
}

# The package: computed dependencies, no tests or benchmarks.
rm -f build/varnholm_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/varnholm_*_amd64.deb)
echo "ci-package: built $deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no computed dependencies"
if dpkg-deb -c "$deb" | grep -E '_tests|_bench'; then fail "tests or benchmarks in the package"; fi

$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y "./$deb"

# Each program from its installed place, with a home of its own so that
# settings from earlier runs cannot count.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"
unset XDG_CONFIG_HOME XDG_STATE_HOME
mkdir -p "$HOME"
cli=/usr/bin/varnholm-cli
editor=/usr/bin/varnholm

$cli --version
$cli generate --out "$work/hills.vhm" --set Fractal=1 --set DiamondSquare=1 --set X=33 --set Y=33 --seed 7
$cli export-map "$work/hills.vhm" "$work/hills.map"
grep -q '"classname" "worldspawn"' "$work/hills.map" || fail "the exported map has no worldspawn"
$cli info "$work/hills.vhm" | grep -q '^Sky up: /usr/share/varnholm/sky/top.bmp$' ||
  fail "documents do not name the installed sky box"
env -u DISPLAY $editor --version

# The editor opens the map named on its command line; SIGTERM closes it
# through the quit flow, which writes the settings.
status=0
xvfb-run -a -s '-screen 0 1280x1024x24' timeout --preserve-status -s TERM 10 $editor "$work/hills.vhm" ||
  status=$?
[ "$status" -eq 0 ] || fail "varnholm ended with status $status"
settings="$HOME/.config/varnholm/Varnholm.ini"
[ -s "$settings" ] || fail "no settings written to $settings"
grep -qx "RM1=$work/hills.vhm" "$settings" || fail "the map named on the command line was not opened"
grep -q "^VHM LOAD : Loading File $work/hills.vhm" "$HOME/.local/state/varnholm/debugVH.txt" ||
  fail "no debug log in ~/.local/state/varnholm"
echo "ci-package: settings written to $settings"

# The desktop registered the launcher and the file type.
if [ -x /usr/bin/update-mime-database ]; then
  [ -f /usr/share/mime/application/x-varnholm-map.xml ] || fail ".vhm type not registered"
fi
if [ -x /usr/bin/update-desktop-database ]; then
  grep -q 'application/x-varnholm-map=.*Varnholm.desktop' /usr/share/applications/mimeinfo.cache ||
    fail "launcher not registered for .vhm"
fi

$SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y varnholm
if dpkg-query -W -f='${Status}' varnholm 2>/dev/null | grep -qx 'install ok installed'; then fail "varnholm still installed"; fi
[ ! -e "$editor" ] && [ ! -e /usr/share/varnholm ] || fail "files left after removal"
echo "ci-package: installed, used and removed $deb"
