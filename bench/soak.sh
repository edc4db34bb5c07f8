#!/usr/bin/env bash
# Soak: 15 simulated receivers monitored by navbin-monitor (offscreen, display
# port plus 14 monitored ports) for a chosen time. Every minute: resident
# memory and CPU of the monitor. At the end the receivers fall silent, the
# monitor drains what is on the lines, and the reports each simulator sent are
# set beside the packets the monitor took from that port.
#   bench/soak.sh [BUILD_DIR] [MINUTES]     (default build/release, 60 min)
# Aim: RSS flat after the first minutes, counts equal on every port.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
minutes="${2:-60}"
ports=15
# shellcheck source=bench/app_run.sh
source bench/app_run.sh

# The receivers begin once the monitor has opened every port (its open
# discards what waits on the line) and fall silent a little after the last
# sample; the monitor then gets a few seconds more to drain the lines.
run_seconds=$((minutes * 60 - 3))
"$build/sim/navbin-sim" --ports "$ports" --link "$work/rx" --start-after 8 \
  --stop-after "$run_seconds" \
  >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
pids+=("$sim")
wait_for_sim "$ports"

args=(-e -m --open-all "-c$work/rx")
for i in $(seq 1 $((ports - 1))); do args+=(--port "$work/rx$i"); done
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" NAVBIN_MESSAGE_BOXES=stderr \
  NAVBIN_PACKET_COUNTS=stderr "$build/app/navbin-monitor" "${args[@]}" 2>"$work/monitor.err" &
monitor=$!
pids+=("$monitor")

ticks=$(getconf CLK_TCK)
cpu_ticks() { sed "s/.*) //" /proc/"$monitor"/stat | awk '{print $12 + $13}'; }
rss_kb() { awk '/^VmRSS:/ {print $2}' /proc/"$monitor"/status; }
echo "navbin-monitor ($build) with $ports simulated receivers, $minutes min"
echo "minute  RSS(kB)  CPU(s) in the minute  CPU(%)"
last=$(cpu_ticks)
for m in $(seq 1 "$minutes"); do
  sleep 60
  kill -0 "$monitor" 2>/dev/null || { echo "navbin-monitor ended early"; cat "$work/monitor.err"; exit 1; }
  now=$(cpu_ticks)
  awk -v m="$m" -v r="$(rss_kb)" -v d=$((now - last)) -v t="$ticks" \
    'BEGIN { printf "%6d  %7d  %20.2f  %6.2f\n", m, r, d / t, 100 * d / t / 60 }'
  last=$now
done

# Wait for the simulator's counts, then let the monitor drain and stop it.
for _ in $(seq 100); do grep -q "reports sent" "$work/sim.err" && break; sleep 0.2; done
sleep 5
kill -TERM "$monitor"
wait "$monitor" || true
pids=("$sim")

echo "port                 sent   taken"
status=0
while read -r _ path sent _; do
  path="${path%:}"
  taken=$(awk -v p="$path" '$1 == "[packets]" && $3 == p":" {print $4}' "$work/monitor.err")
  taken="${taken:-0}"
  mark=""
  [ "$sent" -eq "$taken" ] || { mark="  DIFFERENT"; status=1; }
  printf "%-16s %8d %7d%s\n" "$(basename "$path")" "$sent" "$taken" "$mark"
done < <(grep "reports sent" "$work/sim.err")
grep -v "^\[packets\]" "$work/monitor.err" | head -20 || true
exit "$status"
