#!/usr/bin/env bash
# The Debian package as a user meets it: built, then installed with apt into
# a fresh Debian 12 root made here by debootstrap, its files checked where the
# desktop looks for them, and the installed program started as an ordinary
# user under Xvfb, saving its settings into the user's configuration folder
# because the program's folder is not writable. Needs root and Debian's
# mirror; it takes several minutes, mostly downloading, so CI leaves it out.
#   bash tests/install/fresh-root-install.sh [build folder for scripts/package.sh]
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-root-install: needs root (debootstrap, chroot)" >&2
  exit 1
fi
mirror=${VELZAR_DEBIAN_MIRROR:-http://deb.debian.org/debian}
started=$SECONDS
phase() { echo "== $1 ($((SECONDS - started)) s)"; }
fail() { echo "fresh-root-install: FAILED: $*" >&2; exit 1; }

phase "building the package"
deb=$(bash scripts/package.sh "$@" | tail -n 1)
[ -f "$deb" ] || fail "no package built"

root=$(mktemp -d /var/tmp/velzar-root.XXXXXX)
chmod 755 "$root"  # the root folder of a system: its users must get in
cleanup() {
  for mount in "$root/dev/shm" "$root/proc" "$root/sys"; do
    if mountpoint -q "$mount"; then umount "$mount"; fi
  done
  # Removed only when nothing of the host is mounted inside any more.
  if ! grep -q " $root/" /proc/mounts; then rm -rf --one-file-system "$root"; fi
}
trap cleanup EXIT

phase "making a fresh Debian 12 root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -n 20 "$root.debootstrap.log"; rm -f "$root.debootstrap.log"; fail "debootstrap"; }
rm -f "$root.debootstrap.log"
# The program finds its folder through /proc; the display server wants shared memory.
mount -t proc proc "$root/proc"
mkdir -p "$root/dev/shm"
mount -t tmpfs shm "$root/dev/shm"
in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}

# udev does not run in a chroot: a stand-in records what the package asks of
# it, in a folder of the path apt gives the package's scripts.
cat >"$root/usr/sbin/udevadm" <<'STANDIN'
#!/bin/sh
echo "$*" >>/var/log/udevadm-calls
STANDIN
chmod 755 "$root/usr/sbin/udevadm"

phase "installing the package with apt"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >/dev/null
grep -qx "control --reload-rules" "$root/var/log/udevadm-calls" || fail "udev rules not reloaded on install"
grep -q "^trigger --subsystem-match=hidraw" "$root/var/log/udevadm-calls" || fail "hidraw devices not re-triggered"
missing_libraries=$(in_root ldd /usr/lib/velzar/velzar | grep "not found" || true)
[ -z "$missing_libraries" ] || fail "libraries the package does not bring: $missing_libraries"

phase "checking the installed files"
expected=(
  /usr/bin/velzar
  /usr/lib/velzar/velzar
  /usr/lib/velzar/settings.ini
  /usr/share/applications/velzar.desktop
  /usr/lib/udev/rules.d/70-velzar.rules
  /usr/share/velzar/samples/sample-flight.log
  /usr/share/velzar/samples/sample-stream.log
)
for size in 16 24 32 48 64 128 256; do expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/velzar.png"); done
for file in "${expected[@]}"; do
  in_root test -f "$file" || fail "missing $file"
done
[ "$(in_root readlink -f /usr/bin/velzar)" = /usr/lib/velzar/velzar ] || fail "/usr/bin/velzar does not lead to the program"
cmp -s resources/settings.ini "$root/usr/lib/velzar/settings.ini" || fail "the default settings.ini differs from resources/"

phase "installing the checker and the display server"
in_root apt-get install -y -qq --no-install-recommends desktop-file-utils xvfb xauth xdotool >/dev/null
report=$(in_root desktop-file-validate /usr/share/applications/velzar.desktop 2>&1) || fail "desktop entry: $report"
[ -z "$report" ] || fail "desktop entry: $report"
command_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/usr/share/applications/velzar.desktop")
[ "$(in_root sh -c "command -v $command_name")" = /usr/bin/velzar ] || fail "Exec= names no installed command"
icon_name=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/velzar.desktop")
in_root test -f "/usr/share/icons/hicolor/48x48/apps/$icon_name.png" || fail "Icon= names no installed icon"

phase "starting the installed program as a user under Xvfb"
in_root useradd --create-home pilot
# Positions in the main window of the "Файл" menu and of its "Сохранить настройки" item.
cat >"$root/tmp/save-settings.sh" <<'DRIVE'
#!/bin/sh
set -eu
cd "$HOME"
velzar & program=$!
trap 'kill -KILL $program 2>/dev/null || true' EXIT
# Windows come and go while the program starts; a search may trip over one
# that just went, so each is only counted, and retried until it holds.
visible_windows() { xdotool search --onlyvisible --class velzar 2>/dev/null | wc -l; }
# Waits, 120 s at most, until the condition holds.
wait_until() {
  tries=0
  until "$@"; do
    tries=$((tries + 1)); [ $tries -le 1200 ] || { echo "waited in vain: $*" >&2; exit 1; }
    sleep 0.1
  done
}
windows_shown() { wait_until test "$(visible_windows)" -eq "$1"; }
# The main window is the one wide window (its title is not in a form xdotool matches).
main_window_shown() {
  for id in $(xdotool search --onlyvisible --class velzar 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')
    if [ "${width:-0}" -ge 600 ]; then window=$id; return 0; fi
  done
  return 1
}
# Opens the "Файл" menu; a click that comes before the program takes input
# is lost, so it is clicked again after a while without a menu.
open_file_menu() {
  for attempt in 1 2 3 4 5 6; do
    # A wide window of the start-up may go again: the main one is looked up each time.
    wait_until main_window_shown
    xdotool mousemove --window "$window" 33 31 click 1 2>/dev/null || true
    tries=0
    while [ $tries -lt 100 ]; do
      [ "$(visible_windows)" -eq 2 ] && return 0
      tries=$((tries + 1)); sleep 0.1
    done
  done
  echo "the menu never opened" >&2; exit 1
}
open_file_menu
xdotool mousemove --window "$window" 82 127 click 1
windows_shown 1
# The save runs on the one GUI thread before the next click: once the menu
# opens again, the file is whole.
open_file_menu
DRIVE
chmod 755 "$root/tmp/save-settings.sh"
in_root runuser -u pilot -- /usr/bin/env -i PATH=/usr/bin:/bin HOME=/home/pilot LANG=C.UTF-8 \
  xvfb-run -a -s "-screen 0 1400x900x24" /tmp/save-settings.sh || fail "driving the program"
saved="$root/home/pilot/.config/velzar/settings.ini"
[ -s "$saved" ] || fail "no settings.ini in the user's configuration folder"
[ "$(in_root stat -c %U /home/pilot/.config/velzar/settings.ini)" = pilot ] || fail "settings.ini not the user's own"
grep -q '^\[' "$saved" || fail "settings.ini holds no section"
leftovers=$(ls -A "$root/usr/lib/velzar" | grep -vx -e velzar -e settings.ini || true)
[ -z "$leftovers" ] || fail "the program wrote into its own folder: $leftovers"
cmp -s resources/settings.ini "$root/usr/lib/velzar/settings.ini" || fail "the shipped settings.ini changed"

phase "removing the package"
in_root apt-get remove -y -qq velzar >/dev/null
[ "$(grep -cx "control --reload-rules" "$root/var/log/udevadm-calls")" -eq 2 ] || fail "udev rules not reloaded on removal"
in_root test ! -e /usr/lib/udev/rules.d/70-velzar.rules || fail "the udev rule stayed"

phase "passed"
