#!/usr/bin/env bash
# Time whole field frames on every level beside a bare frame (clear and swap,
# nothing drawn) and the title, in one invocation: the game's timedemo after
# New Game, landed in each level in turn, walking and looking around for 600
# frames at 1024 x 768. Without a display it runs under Xvfb on Mesa's software
# renderer. Each figure runs RUNS times (3 unless set) and the run with the
# median mean is printed, with its mean and p95 as multiples of the bare
# frame's mean: a shared machine's noise moves single runs by a fifth.
#   bench/field_timedemo.sh [BUILD_DIR]    (default: build)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timedemo_common.sh"

# New Game, then three legs of 30 steps with a turn between them (90 steps stays
# under the 100 before a dungeon's first battle), then turning on the spot.
{
  printf '2 press Up\n3 press X\n'
  frame=6
  for leg in 1 2 3; do
    printf '%d hold Up 30\n' "$frame"
    frame=$((frame + 30))
    printf '%d move 600 0\n' "$frame"
    frame=$((frame + 1))
  done
  while [ "$frame" -lt 600 ]; do
    printf '%d move 120 0\n' "$frame"
    frame=$((frame + 8))
  done
} >"$WORK/walk.txt"

median() {
  local lines=()
  for ((i = 0; i < RUNS; i++)); do lines+=("$(run "$GAME" --timedemo --quit-after 600 "$@" | grep '^timedemo:')"); done
  printf '%s\n' "${lines[@]}" | sort -t' ' -k8,8g | sed -n "$(((RUNS + 1) / 2))p"
}

# Fields of the timedemo line: mean is the 8th word, p95 the 11th.
row() {
  awk -v n="$1" -v b="$bare" -v l="$2" 'BEGIN {
    split(b, bw, " "); split(l, lw, " ");
    printf "%-24s mean %7.3f ms %5.2fx   p95 %7.3f ms %5.2fx\n", n, lw[8], lw[8] / bw[8], lw[11], lw[11] / bw[8] }'
}

# RoadPass is the ending's stage: its arrival puts the hero far below the road, so
# its figure is of an almost empty view.
names=("Vorudu" "Vorudu Dungeon" "World Map" "Forgotten Forest" "Mistilia" "Dungeon of the Damned" "RoadPass")
cd "$WORK"
RUNS="${RUNS:-3}"
bare="$(median --bare-frame)"
row "bare frame" "$bare"
row "title" "$(median)"
for level in 0 1 2 3 4 5 6; do
  row "$level ${names[$level]}" "$(median --level "$level" --input walk.txt)"
done
