# Shared by the timedemo scripts: find the built game, lay out a working folder
# with its data and a 1024 x 768 Game.cfg in $WORK, and run() the game under
# Xvfb on Mesa's software renderer when there is no display.
# Sourced, not run; expects $1 (optional) to be the build folder.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
GAME="$BUILD/aurelant"
[ -x "$GAME" ] && [ -d "$BUILD/data" ] || { echo "build the game and its data first (./play or ./run-tests)" >&2; exit 1; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
for entry in "$BUILD/data"/*; do ln -s "$entry" "$WORK/"; done
printf 'Resolution=1024 768 32\nControls=X Z C\nVSync=0\n' >"$WORK/Game.cfg"

run() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" "$@"
  fi
}
