#!/usr/bin/env bash
# CPU share of navbin-log logging 16 simulated receivers: every data set of
# every port once a second and the raw log of the first, measured over a
# chosen time after a warm-up.
#   bench/log_cpu.sh [BUILD_DIR] [SECONDS]     (default build/release, 60 s)
# Aim: under 1 % of one core.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
seconds="${2:-60}"
ports=16
programs=(sim/navbin-sim tools/navbin-log)
# shellcheck source=bench/app_run.sh
source bench/app_run.sh

"$build/sim/navbin-sim" --ports "$ports" --link "$work/rx" >"$work/sim.out" 2>"$work/sim.err" &
pids+=("$!")
wait_for_sim "$ports"

args=(--data "$work/" --sets all --raw "$work/display.nvb")
args+=(--port "$work/rx")
for i in $(seq 1 $((ports - 1))); do args+=(--port "$work/rx$i"); done
"$build/tools/navbin-log" "${args[@]}" 2>"$work/log.err" &
log=$!
pids+=("$log")

ticks=$(getconf CLK_TCK)
cpu_ticks() { sed "s/.*) //" /proc/"$log"/stat | awk '{print $12 + $13}'; }
sleep 10  # identification of every port, first records
kill -0 "$log" 2>/dev/null || { echo "navbin-log ended early"; cat "$work/log.err"; exit 1; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
kill -TERM "$log"
wait "$log"
pids=("${pids[@]:0:1}")
records=$(cat "$work"/data*.dat | wc -l)
awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" -v p="$ports" -v r="$records" \
  'BEGIN { printf "navbin-log, %d receivers, %d s: %.2f s CPU = %.2f %% of one core (%d records)\n",
           p, s, d / t, 100 * d / t / s, r }'
tail -1 "$work/log.err"
