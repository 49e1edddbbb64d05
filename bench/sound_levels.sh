#!/usr/bin/env bash
# The level of every sound effect the content builder wrote, measured by sox:
# peak, RMS over the whole sound, and the RMS of its loudest 50 ms, in dBFS,
# with its length. Effects should sit within a decibel or so of each other at
# their loudest moment, and none should reach 0 dBFS.
#   bench/sound_levels.sh [BUILD_DIR]    (default: build)
set -euo pipefail
DIR="${1:-build}/data/Sounds"
command -v sox >/dev/null || { echo "sox is not installed" >&2; exit 1; }
printf '| %-16s | %8s | %8s | %8s | %7s |\n' Effect "Peak dB" "RMS dB" "Loud dB" "Seconds"
printf '|%s|%s|%s|%s|%s|\n' ------------------ ---------- ---------- ---------- ---------
for f in "$DIR"/*.wav; do
  stats=$(sox "$f" -n stats 2>&1)
  pk=$(awk '/^Pk lev dB/ {print $NF}' <<<"$stats")
  rms=$(awk '/^RMS lev dB/ {print $NF}' <<<"$stats")
  len=$(awk '/^Length s/ {print $NF}' <<<"$stats")
  # The loudest 50 ms, windows a quarter apart, from the samples sox decodes.
  loud=$(sox "$f" -t dat - | awk '
    /^;/ { if ($0 ~ /Sample Rate/) w = int($NF / 20); next }
    { x[n++] = $2 }
    END {
      for (s = 0; s < n; s += w / 4) {
        sum = 0
        for (i = s; i < s + w && i < n; i++) sum += x[i] * x[i]
        if (sum / w > best) best = sum / w
      }
      printf "%.2f", 10 * log(best) / log(10)
    }')
  printf '| %-16s | %8s | %8s | %8s | %7s |\n' "$(basename "$f" .wav)" "$pk" "$rms" "$loud" "$len"
done
