#!/usr/bin/env bash
# Peak memory of the running application with 16 ports open: navbin-sim on 16
# pseudo-terminals, navbin-monitor with all of them (--port, -e, --open-all),
# offscreen, for a few seconds; then VmHWM from /proc/<pid>/status.
#   bench/app_memory.sh [BUILD_DIR] [SECONDS]     (default build/release, 6 s)
# Aim: well under 100 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
seconds="${2:-6}"
# shellcheck source=bench/app_run.sh
source bench/app_run.sh

"$build/sim/navbin-sim" --ports 16 --link "$work/rx" >"$work/sim.out" 2>"$work/sim.err" &
pids+=($!)
wait_for_sim 16

args=(-e -m --open-all "-c$work/rx")
for i in $(seq 1 15); do args+=(--port "$work/rx$i"); done
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" NAVBIN_MESSAGE_BOXES=stderr \
  "$build/app/navbin-monitor" "${args[@]}" 2>"$work/monitor.err" &
monitor=$!
pids+=("$monitor")
sleep "$seconds"
kill -0 "$monitor" 2>/dev/null || { echo "navbin-monitor ended early"; cat "$work/monitor.err"; exit 1; }

open=0
for fd in /proc/"$monitor"/fd/*; do
  case "$(readlink "$fd" 2>/dev/null)" in /dev/pts/*) open=$((open + 1)) ;; esac
done
hwm=$(awk '/^VmHWM:/ {print $2}' /proc/"$monitor"/status)
rss=$(awk '/^VmRSS:/ {print $2}' /proc/"$monitor"/status)
cpu=$(sed "s/.*) //" /proc/"$monitor"/stat | awk "{print \$12 + \$13}")
ticks=$(getconf CLK_TCK)
echo "navbin-monitor ($build), $open serial ports open, after ${seconds} s:"
echo "  peak RSS (VmHWM) $((hwm / 1024)) MB ($hwm kB), current RSS $((rss / 1024)) MB"
awk -v c="$cpu" -v t="$ticks" -v s="$seconds" \
  'BEGIN { printf "  CPU %.2f s in %d s of running (start-up included)\n", c / t, s }'
[ "$open" -eq 16 ] || { echo "expected 16 open ports"; exit 1; }
[ "$hwm" -lt 102400 ] || { echo "peak RSS above 100 MB"; exit 1; }
