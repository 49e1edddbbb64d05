#!/usr/bin/env bash
# Overdraw of every level along the field timedemo's walk at 1024 x 768: the
# mean and the most fragments a pixel takes, counting each fragment that
# passes the depth test when it is drawn, and the fill frame as the
# one-fragment-a-pixel check.
#   bench/overdraw.sh [BUILD_DIR]    (default: build)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timedemo_common.sh"

walk_input >"$WORK/walk.txt"

overdraw() { run "$GAME" --fixed-step --overdraw --quit-after 600 "$@" | grep '^overdraw:'; }

names=("Vorudu" "Vorudu Dungeon" "World Map" "Forgotten Forest" "Mistilia" "Dungeon of the Damned" "RoadPass")
cd "$WORK"
printf '%-24s %s\n' "fill frame" "$(overdraw --fill-frame)"
for level in 0 1 2 3 4 5 6; do
  printf '%-24s %s\n' "$level ${names[$level]}" "$(overdraw --level "$level" --input walk.txt)"
done
