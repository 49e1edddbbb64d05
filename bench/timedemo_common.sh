# Shared by the timedemo scripts: find the built game, lay out a working folder
# with its data and a Game.cfg of the screen size asked for (1024 x 768 unless
# use_size says otherwise) in $WORK, and run() the game under Xvfb on Mesa's
# software renderer when there is no display, on a screen of that size.
# Sourced, not run; expects $1 (optional) to be the build folder.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
GAME="$BUILD/aurelant"
[ -x "$GAME" ] && [ -d "$BUILD/data" ] || { echo "build the game and its data first (./play or ./run-tests)" >&2; exit 1; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
for entry in "$BUILD/data"/*; do ln -s "$entry" "$WORK/"; done

# use_size WIDTH HEIGHT: the game and the virtual screen take that size.
use_size() {
  SCREEN="$1x$2"
  printf 'Resolution=%d %d 32\nControls=X Z C\nVSync=0\n' "$1" "$2" >"$WORK/Game.cfg"
}
use_size 1024 768

run() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 ${SCREEN}x24" "$@"
  fi
}

# walk_input [FRAMES]: New Game, then three legs of 30 steps with a turn between
# them (90 steps stays under the 100 before a dungeon's first battle), then
# turning on the spot until frame FRAMES (600 unless given).
walk_input() {
  local frames="${1:-600}"
  printf '2 press Up\n3 press X\n'
  local frame=6 leg
  for leg in 1 2 3; do
    printf '%d hold Up 30\n' "$frame"
    frame=$((frame + 30))
    printf '%d move 600 0\n' "$frame"
    frame=$((frame + 1))
  done
  while [ "$frame" -lt "$frames" ]; do
    printf '%d move 120 0\n' "$frame"
    frame=$((frame + 8))
  done
}

# battle_input [FRAMES]: New Game, which lands in the dungeon where a --battle
# starts at once; then OK now and then attacks whatever the target cursor is
# on, and Down moves it on.
battle_input() {
  local frames="${1:-600}"
  printf '2 press Up\n3 press X\n'
  for ((f = 30; f < frames; f += 20)); do printf '%d press X\n' "$f"; done
  for ((f = 45; f < frames; f += 160)); do printf '%d press Down\n' "$f"; done
}
