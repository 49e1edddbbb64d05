#!/usr/bin/env bash
# What each piece of render state costs a field frame: the field timedemo's walk
# through a level, once as the game draws it and once with one piece of state
# switched off at the GL door by the preloaded state probe (see
# bench/state_probe.cpp for the list). Prints the processor time a frame (every
# thread together, the least of RUNS runs, 3 unless set) and its change, per
# level and size. The pictures differ, of course: this only measures.
#   bench/state_costs.sh [BUILD_DIR]    (default: build)
# LEVELS (default "3 0") and SIZES (default "1920 1080") choose what is run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timedemo_common.sh"
PROBE="$BUILD/bench/libstate_probe.so"
[ -f "$PROBE" ] || { echo "build the state_probe target first" >&2; exit 1; }

walk_input >"$WORK/walk.txt"
cd "$WORK"
RUNS="${RUNS:-3}"
probes=(fog fogfast light texture nomip nearest halftex sky clear flat nodepth nodraw)

# The least processor time a frame over RUNS runs with these probes on.
cpu() {
  local best="" t
  for ((i = 0; i < RUNS; i++)); do
    t="$(AURELANT_PROBE="$1" LD_PRELOAD="$PROBE" run "$GAME" --timedemo --quit-after 300 --level "$2" \
      --input walk.txt | awk '/^timedemo:/ { print $17 }')"
    if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best="$t"; fi
  done
  echo "$best"
}

read -r -a sizes <<<"${SIZES:-1920 1080}"
for ((s = 0; s < ${#sizes[@]}; s += 2)); do
  use_size "${sizes[s]}" "${sizes[s + 1]}"
  for level in ${LEVELS:-3 0}; do
    base="$(cpu none "$level")"
    printf '%s x %s, level %s: %.2f ms of processor time a frame as drawn\n' "${sizes[s]}" "${sizes[s + 1]}" "$level" "$base"
    for probe in "${probes[@]}"; do
      awk -v p="$probe" -v t="$(cpu "$probe" "$level")" -v b="$base" \
        'BEGIN { printf "  %-8s %7.2f ms  %+6.1f %%\n", p, t, 100 * (t - b) / b }'
    done
  done
done
