#!/usr/bin/env bash
# Runs the folder and log-on benchmarks as a screen-reader user runs the program: on X11 with
# accessibility on, the accessibility registry up and a stand-in screen reader listening.
# Usage, under a virtual screen and a session bus of its own: accessible_session.sh BENCH_DIR
# REPETITIONS; writes browser-x11.json and login-x11.json into BENCH_DIR.
set -euo pipefail
out=$1 repetitions=$2
here=$(dirname "$0")

ready=$(mktemp)
rm -f "$ready"
# Listening brings the registry up, so that the programs find it when they start.
/usr/bin/python3 "$here/screen_reader.py" "$ready" &
reader=$!
for _ in $(seq 300); do
    [ -s "$ready" ] && break
    kill -0 "$reader" 2>/dev/null || { echo "the stand-in screen reader did not start" >&2; exit 1; }
    sleep 0.1
done
rm -f "$ready"

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
for bench in browser login; do
    "$out/bench_$bench" --benchmark_format=json --benchmark_out="$out/$bench-x11.json" \
        --benchmark_out_format=json --benchmark_repetitions="$repetitions" \
        --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
        >/dev/null
done

kill -TERM "$reader"
wait "$reader"
