#!/bin/bash
# Runs one fuzz harness for a bounded time on a copy of its committed seeds, so the seeds never
# change: run.sh HARNESS SEEDS WORKDIR SECONDS. A crash, a sanitizer report, an input that takes
# over 10 s or over 2 GB fails the run; libFuzzer leaves that input in WORKDIR as crash-*,
# timeout-* or oom-*. The readers' console lines are dropped (standard output is closed).
# The harness writes each input as files: in memory (/dev/shm) where there is one, as a disk
# file system that is rewritten thousands of times a second slows the run a hundredfold.
set -euo pipefail
harness=$1 seeds=$2 work=$3 seconds=$4
rm -rf "$work"
mkdir -p "$work/corpus"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    tmp=$(mktemp -d /dev/shm/varnhold_fuzz.XXXXXX)
else
    tmp=$(mktemp -d "$work/tmp.XXXXXX")
fi
trap 'rm -rf "$tmp"' EXIT
cp "$seeds"/* "$work/corpus/"
args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -close_fd_mask=1
      -print_final_stats=1 -artifact_prefix="$work/")
dict="$(dirname "$0")/$(basename "$harness").dict"
if [ -f "$dict" ]; then args+=(-dict="$dict"); fi
TMPDIR="$tmp" "$harness" "${args[@]}" "$work/corpus"
