#!/bin/bash
# Start-up time of the real game under Xvfb: from process start to the console line that ends
# start-up, right before the first frame of the main menu. Prints each run and the median of
# five (or $RUNS). Usage: bench/startup_time.sh path/to/varnhold
set -u
GAME="$(realpath "$1")"
DATA="$(dirname "$0")/../data"
RUNS="${RUNS:-5}"
source "$(dirname "$0")/../tests/e2e/xvfb_lib.sh"
trap stop_xvfb EXIT
start_xvfb 1280x1024x24 || exit 1
OUT=$(mktemp)
times=()
for i in $(seq 1 "$RUNS"); do
    : > "$OUT"
    start=$(date +%s%N)
    (cd "$DATA" && exec "$GAME") >"$OUT" 2>&1 &
    pid=$!
    until grep -qxF "setting Fonts END " "$OUT"; do
        kill -0 "$pid" 2>/dev/null || { echo "the game ended during start-up"; exit 1; }
        sleep 0.005
    done
    end=$(date +%s%N)
    kill "$pid"; wait "$pid" 2>/dev/null
    ms=$(( (end - start) / 1000000 ))
    echo "run $i: ${ms} ms"
    times+=("$ms")
done
rm -f "$OUT"
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "median start-up to the main menu: ${median} ms"
