#!/usr/bin/env bash
# Time whole frames of every screen against two floors, in one invocation, at
# 1024 x 768 and at 1920 x 1080: a bare frame (clear and swap, nothing drawn),
# a fill frame (every pixel shaded once as the field shades its ground), the
# title, every level (the game's timedemo after New Game, landed in each level
# in turn, walking and looking around for 600 frames) and a battle against
# three monsters from its shatter on. Without a display it runs under Xvfb on
# Mesa's software renderer. Each figure runs RUNS times (3 unless set) and the
# run with the median processor time is printed, with its mean and p95 as
# multiples of the fill frame's mean, and its processor time a frame (every
# thread together) as a multiple of the fill frame's: on a shared machine the
# wall clock moves single runs by a fifth, processor time far less.
#   bench/field_timedemo.sh [BUILD_DIR]    (default: build)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timedemo_common.sh"

walk_input >"$WORK/walk.txt"

median() {
  local lines=()
  for ((i = 0; i < RUNS; i++)); do lines+=("$(run "$GAME" --timedemo --quit-after 600 "$@" | grep '^timedemo:')"); done
  printf '%s\n' "${lines[@]}" | sort -t' ' -k17,17g | sed -n "$(((RUNS + 1) / 2))p"
}

# Fields of the timedemo line: mean is the 8th word, p95 the 11th, processor time the 17th.
row() {
  awk -v n="$1" -v f="$fill" -v l="$2" 'BEGIN {
    split(f, fw, " "); split(l, lw, " ");
    printf "%-24s mean %7.3f ms %5.2fx   p95 %7.3f ms %5.2fx   cpu %7.3f ms %5.2fx\n", n, lw[8], lw[8] / fw[8],
      lw[11], lw[11] / fw[8], lw[17], lw[17] / fw[17] }'
}

# RoadPass is the ending's stage: its arrival puts the hero far below the road, so
# its figure is of an almost empty view.
names=("Vorudu" "Vorudu Dungeon" "World Map" "Forgotten Forest" "Mistilia" "Dungeon of the Damned" "RoadPass")
battle_input 600 >"$WORK/battle.txt"
cd "$WORK"
RUNS="${RUNS:-3}"
for size in "1024 768" "1920 1080"; do
  use_size $size
  echo "${size/ / x } (times the fill frame's mean)"
  fill="$(median --fill-frame)"
  row "bare frame" "$(median --bare-frame)"
  row "fill frame" "$fill"
  row "title" "$(median)"
  for level in 0 1 2 3 4 5 6; do
    row "$level ${names[$level]}" "$(median --level "$level" --input walk.txt)"
  done
  row "battle" "$(median --battle Ogre,Bat,Toad --input battle.txt)"
done
