#!/bin/sh
# The installed game: install the build into a temporary root, check the
# launcher and the metadata, and play it from an empty folder with temporary
# XDG folders, to the title and out.
# usage: installed_game_test.sh BUILD_DIR
set -eu
build="$1"
id=io.github.aurelant.Aurelant
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$work/root/usr"
for file in bin/aurelant share/aurelant/Textures/Logo.tga share/aurelant/Icons/128.png \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/doc/aurelant/copyright \
  share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/128x128/apps/$id.png \
  share/icons/hicolor/256x256/apps/$id.png; do
  [ -f "$usr/$file" ] || fail "not installed: $file"
done
[ ! -e "$usr/share/aurelant/.stamp" ] || fail "the build's stamp was installed"
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
grep -qx "Icon=$id" "$usr/share/applications/$id.desktop" || fail "the launcher names another icon"
grep -qx "Exec=aurelant" "$usr/share/applications/$id.desktop" || fail "the launcher starts another program"

# play DIR ARGS...: the installed game started in DIR under an Xvfb screen of 1024x768.
play() {
  dir="$1"
  shift
  (cd "$dir" && ulimit -c 0 && LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy \
    xvfb-run -a -s "-screen 0 1024x768x24" "$usr/bin/aurelant" --fixed-step --quit-after 5 "$@")
}
empty() { [ -z "$(ls -A "$1")" ]; }

# A player with settings: the game reads them from the config folder, logs to
# the state folder, and writes nothing where it was started or elsewhere.
mkdir -p "$work/start" "$work/home" "$work/config/aurelant" "$work/data/aurelant/Save"
config='Resolution=1024 768 32
Controls=X Z C
VSync=0'
printf '%s\n' "$config" >"$work/config/aurelant/Game.cfg"
export XDG_CACHE_HOME="$work/cache" # the drivers' caches, not the game's
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" \
  play "$work/start" --state "5:$work/title.txt" || fail "the installed game ended with status $?"
empty "$work/start" || fail "written into the start folder: $(ls -A "$work/start")"
empty "$work/home" || fail "written into HOME although every XDG folder was set"
log="$work/state/aurelant/Log.txt"
[ -f "$log" ] || fail "no Log.txt in \$XDG_STATE_HOME/aurelant"
[ "$(head -1 "$log")" = "Aurelant - QEV3 Log File ;" ] || fail "Log.txt starts with: $(head -1 "$log")"
grep -qx "Levels Initiated" "$log" || fail "the load did not finish"
grep -qx "Quiting..." "$log" || fail "the game did not quit through its quit sequence"
! grep -q "Could not Load" "$log" || fail "the installed data is not found: $(grep "Could not Load" "$log" | head -1)"
grep -qx "GameMode 1" "$work/title.txt" || fail "the title screen was not reached"
[ "$(cat "$work/config/aurelant/Game.cfg")" = "$config" ] || fail "the player's Game.cfg changed"
[ "$(find "$work/data" -type f | wc -l)" -eq 0 ] || fail "files written to \$XDG_DATA_HOME: $(find "$work/data" -type f)"

# The window carries the game's icon and the class the launcher names.
cat >"$work/window.sh" <<'WINDOW'
"$1" --quit-after 90 &
for _ in $(seq 100); do
  id="$(xwininfo -root -tree | awk '/Quillan Engine/ { print $1; exit }')"
  [ -n "$id" ] && xprop -id "$id" _NET_WM_ICON | grep -q "Icon (128 x 128)" && break
  sleep 0.1
done
[ -n "$id" ] && xprop -id "$id" WM_CLASS _NET_WM_ICON | head -3
wait
WINDOW
(cd "$work/start" && HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_STATE_HOME="$work/state" LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy \
  xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/window.sh" "$usr/bin/aurelant") >"$work/window.txt"
grep -q 'WM_CLASS(STRING) = "aurelant"' "$work/window.txt" || fail "window class: $(cat "$work/window.txt")"
grep -q "Icon (128 x 128)" "$work/window.txt" || fail "the window has no icon: $(cat "$work/window.txt")"

# A new player, the XDG variables empty: each folder falls back below HOME and
# the config folder gets its Game.cfg, which asks for the desktop's own size:
# full screen at the Xvfb screen's size, to the title and out.
mkdir -p "$work/start2" "$work/home2"
HOME="$work/home2" XDG_CONFIG_HOME= XDG_DATA_HOME= XDG_STATE_HOME= play "$work/start2" \
  >"$work/first.txt" 2>&1 || fail "a new player's first start failed: $(tail -5 "$work/first.txt")"
empty "$work/start2" || fail "written into the start folder: $(ls -A "$work/start2")"
[ "$(head -1 "$work/home2/.config/aurelant/Game.cfg")" = "Resolution=0 0 32" ] ||
  fail "a new player's Game.cfg starts: $(head -1 "$work/home2/.config/aurelant/Game.cfg")"
[ -f "$work/home2/.local/state/aurelant/Log.txt" ] || fail "no Log.txt in ~/.local/state/aurelant"
grep -qx "Levels Initiated" "$work/home2/.local/state/aurelant/Log.txt" || fail "a new player's start did not load"
[ -d "$work/home2/.local/share/aurelant" ] || fail "no ~/.local/share/aurelant for the saves"
echo "installed game: validated, played to the title from an empty folder, files where they belong"
