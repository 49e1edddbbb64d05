#!/usr/bin/env bash
# Time whole battle frames beside the title's, in one run: the game's timedemo
# on the title screen, then a battle against an Ogre, a Bat and a Toad in the
# first dungeon's arena from the shatter to the victory panel, then the same
# battle with a Fire cast as the first action, and with the Kintos summon,
# at 1024 x 768.
# Without a display it runs under Xvfb on Mesa's software renderer. Each runs
# RUNS times (3 unless set) and the run with the median mean is printed, with
# the battle's mean and p95 as multiples of the title's.
#   bench/battle_timedemo.sh [BUILD_DIR]    (default: build)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timedemo_common.sh"

FRAMES="${FRAMES:-1200}"
battle_input "$FRAMES" >"$WORK/battle.txt"
# The cursor goes to Magic (Fire) or Summon (Kintos) before the menu first
# opens; OK then casts as soon as it does, and again whenever it comes back.
spell_input() {
  printf '2 press Up\n3 press X\n'
  for ((d = 0; d < $1; d++)); do printf '%d press Down\n' $((10 + d)); done
  for ((f = 30; f < SPELL_FRAMES; f += 20)); do printf '%d press X\n' "$f"; done
}
SPELL_FRAMES="${SPELL_FRAMES:-800}"
spell_input 1 >"$WORK/fire.txt"
spell_input 2 >"$WORK/kintos.txt"

median() {
  local lines=()
  for ((i = 0; i < RUNS; i++)); do lines+=("$(run "$GAME" "$@" | grep '^timedemo:')"); done
  printf '%s\n' "${lines[@]}" | sort -t' ' -k8,8g | sed -n "$(((RUNS + 1) / 2))p"
}

cd "$WORK"
RUNS="${RUNS:-3}"
title="$(median --timedemo --quit-after "$FRAMES")"
battle="$(median --timedemo --battle Ogre,Bat,Toad --input battle.txt --quit-after "$FRAMES")"
fire="$(median --timedemo --warps Fire --battle Ogre,Bat,Toad --input fire.txt --quit-after "$SPELL_FRAMES")"
kintos="$(median --timedemo --warps Kintos --battle Ogre,Bat,Toad --input kintos.txt --quit-after "$SPELL_FRAMES")"
printf 'title   %s\nbattle  %s\nfire    %s\nkintos  %s\n' "$title" "$battle" "$fire" "$kintos"
# Fields of the timedemo line: mean is the 8th word, p95 the 11th.
for name in battle fire kintos; do
  awk -v n="$name" -v t="$title" -v b="${!name}" 'BEGIN {
    split(t, tw, " "); split(b, bw, " ");
    printf "%-6s / title: mean %.2fx, p95 %.2fx\n", n, bw[8] / tw[8], bw[11] / tw[11] }'
done
