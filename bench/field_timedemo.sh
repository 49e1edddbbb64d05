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
# With SCALES set (say SCALES="1 0.5 auto") it times only 1920 x 1080: the fill
# frame, then every level and the battle at each RenderScale, and prints a
# markdown table with the scale the last frame was drawn at (where auto
# settled), FRAMES frames a run (600 unless set), LEVELS the scenes (say
# LEVELS="0 3 battle"; all unless set). With COMPARE set to a second
# build folder, each figure is taken with that build too, just before, so
# that both see the same machine:
#   SCALES="1 0.5 auto" COMPARE=../before/build bench/field_timedemo.sh build
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timedemo_common.sh"

# With SCALES, the walk and the battle last FRAMES frames; else 600.
walk_input "${SCALES:+${FRAMES:-600}}" >"$WORK/walk.txt"

median() {
  local lines=()
  for ((i = 0; i < RUNS; i++)); do lines+=("$(run "$GAME" --timedemo --quit-after 600 "$@" | grep '^timedemo:')"); done
  printf '%s\n' "${lines[@]}" | sort -t' ' -k17,17g | sed -n "$(((RUNS + 1) / 2))p"
}

# scaled DIR GAME SCALE ARGS...: in working folder DIR (a copy of $WORK's
# links), the median run's timedemo line at that RenderScale, followed by the
# scale its last timed frame was drawn at.
scaled() {
  local dir="$1" game="$2" scale="$3" lines=() i line
  shift 3
  printf 'Resolution=1920 1080 32\nControls=X Z C\nVSync=0\n' >"$dir/Game.cfg"
  [ "$scale" = 1 ] || printf 'RenderScale=%s\n' "$scale" >>"$dir/Game.cfg"
  for ((i = 0; i < RUNS; i++)); do
    rm -f "$dir/last.txt"
    line="$(cd "$dir" && run "$game" --timedemo --quit-after "$FRAMES" --state "$((FRAMES - 1)):last.txt" "$@" |
      grep '^timedemo:')"
    lines+=("$line $(awk '$1 == "RenderScale" { print $2 }' "$dir/last.txt" 2>/dev/null)")
  done
  printf '%s\n' "${lines[@]}" | sort -t' ' -k17,17g | sed -n "$(((RUNS + 1) / 2))p"
}

# table_row NAME BUILD SCALE LINE: mean, p95 and processor time as multiples
# of the fill frame's of the same build, and the scale drawn at.
table_row() {
  local fillLine="$fill"
  [ "$2" = before ] && fillLine="$fillBefore"
  awk -v n="$1" -v b="$2" -v s="$3" -v f="$fillLine" -v l="$4" 'BEGIN {
    split(f, fw, " "); split(l, lw, " ");
    printf "| %s | %s | %s | %.1f ms (%.2fx) | %.1f ms (%.2fx) | %.1f ms (%.2fx) | %s |\n", n, b, s, lw[8],
      lw[8] / fw[8], lw[11], lw[11] / fw[8], lw[17], lw[17] / fw[17], lw[19] }'
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
battle_input "${SCALES:+${FRAMES:-600}}" >"$WORK/battle.txt"
cd "$WORK"
RUNS="${RUNS:-3}"

if [ -n "${SCALES:-}" ]; then
  FRAMES="${FRAMES:-600}"
  SCREEN=1920x1080
  # Each build plays in a folder of its own; with COMPARE the two play each
  # figure in turn, one straight after the other: both see the same machine,
  # and neither shares its cores with the other (auto would read that as a
  # slow machine).
  for b in before after; do
    mkdir "$WORK/$b"
    for entry in "$WORK"/*; do
      case "${entry##*/}" in before | after | Game.cfg) ;; *) ln -s "$entry" "$WORK/$b/" ;; esac
    done
  done
  pair() { # NAME SCALE ARGS...: a row for each build
    local name="$1" scale="$2" before=""
    shift 2
    if [ -n "${COMPARE:-}" ]; then
      before="$(scaled "$WORK/before" "$OTHER" "$scale" "$@")"
      [ "$name" = "fill frame" ] && fillBefore="$before"
    fi
    local after
    after="$(scaled "$WORK/after" "$GAME" "$scale" "$@")"
    [ "$name" = "fill frame" ] && fill="$after"
    [ -n "${COMPARE:-}" ] && table_row "$name" before "$scale" "$before"
    table_row "$name" after "$scale" "$after"
  }
  if [ -n "${COMPARE:-}" ]; then
    OTHER="$(cd "$COMPARE" && pwd)/aurelant"
    [ -x "$OTHER" ] || { echo "no game in $COMPARE" >&2; exit 1; }
  fi
  echo "1920 x 1080, $FRAMES frames, RUNS=$RUNS, $(uptime | sed 's/.*load/load/')"
  echo "| scene | build | RenderScale | mean | p95 | processor | drawn at |"
  echo "|---|---|---|---|---|---|---|"
  pair "fill frame" 1 --fill-frame
  for level in ${LEVELS:-0 1 2 3 4 5 6 battle}; do
    if [ "$level" = battle ]; then name=battle; args=(--battle Ogre,Bat,Toad --input battle.txt)
    else name="$level ${names[$level]}"; args=(--level "$level" --input walk.txt); fi
    for scale in $SCALES; do pair "$name" "$scale" "${args[@]}"; done
  done
  echo "after: $(uptime | sed 's/.*load/load/')"
  exit 0
fi

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
