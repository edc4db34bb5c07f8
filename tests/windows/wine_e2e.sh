#!/usr/bin/env bash
# The Windows programs under Wine against the native ones, on one recording
# replayed by the native navbin-sim through COM3 (Wine's dosdevices link to
# the replay's pseudo-terminal):
#   tests/windows/wine_e2e.sh LINUX_BUILD WINDOWS_BUILD     (WINEPREFIX set)
set -euo pipefail
linux=$(realpath "$1") windows=$(realpath "$2")
here=$(cd "$(dirname "$0")/../.." && pwd)
recording=$here/tests/data/recordings/nav-lla-double.nvb
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
passed=0 failed=0
result() {  # NAME STATUS
  if [[ $2 == 0 ]]; then echo "PASS $1"; passed=$((passed + 1)); else echo "FAIL $1"; failed=$((failed + 1)); fi
}

# Replays the recording at SPEED on a fresh pseudo-terminal, linked as COM3.
replay() {
  rm -f "$work/rx"
  "$linux/sim/navbin-sim" --replay "$recording" --speed "$1" --link "$work/rx" >/dev/null 2>&1 &
  sim=$!
  pids+=("$sim")
  for _ in $(seq 50); do [[ -e $work/rx ]] && break; sleep 0.1; done
  pts=$(readlink -f "$work/rx")
  ln -sfn "$pts" "$WINEPREFIX/dosdevices/com3"
}

# Runs a program for SECONDS, then stops it as Ctrl+C does.
run_for() {
  local seconds=$1
  shift
  "$@" &
  local pid=$!
  sleep "$seconds"
  kill -INT "$pid" 2>/dev/null || true
  wait "$pid"
}

# The enumeration lists what SERIALCOMM holds, COM3 too once it is written
# there (Wine writes only the ports it found at start).
replay max
key='HKLM\HARDWARE\DEVICEMAP\SERIALCOMM'
wine reg add "$key" /v '\Device\NavbinCom3' /t REG_SZ /d COM3 /f >/dev/null 2>&1
ports=$(wine reg query "$key" | tr -d '\r' | awk '$2 == "REG_SZ" {print $3}' | sed -n 's/^COM//p' |
  awk '$1 <= 16' | sort -n | sed 's/^/COM/' | paste -sd' ')
status=1
if [[ " $ports " == *" COM3 "* ]] && NAVBIN_SERIALCOMM_PORTS=$ports NAVBIN_RECEIVING_PORT=COM3 \
  wine "$windows/tests/platform/platform_tests.exe" \
  --gtest_filter='*TheRegistryLists:*AHeldPort*' >"$work/platform.txt" 2>&1; then
  status=0
fi
result "the enumeration lists the registry's ports ($ports); COM3 opens exclusively" $status
[[ $status == 0 ]] || cat "$work/platform.txt"
kill "$sim" 2>/dev/null || true

# Every recording decodes under Wine as its golden decode, byte for byte.
status=0
for file in "$here"/tests/data/recordings/*.nvb; do
  golden=$here/tests/data/golden/$(basename "$file" .nvb).jsonl
  wine "$windows/tools/navbin-dump.exe" --json "$file" | cmp -s - "$golden" || status=1
done
result "navbin-dump.exe prints the golden decodes" $status

# The live stream through COM3 decodes as the file does.
replay max
run_for 8 wine "$windows/tools/navbin-dump.exe" COM3 >"$work/live.txt" 2>/dev/null || true
"$linux/tools/navbin-dump" "$recording" >"$work/file.txt"
cmp -s "$work/live.txt" "$work/file.txt"
result "navbin-dump.exe COM3 decodes the live stream" $?
kill "$sim" 2>/dev/null || true

# navbin-log on Linux and under Wine, 10 s of the same replay each: the same
# records, field for field (Windows ends its text lines with CR LF).
replay real
run_for 10 "$linux/tools/navbin-log" --port "$pts" --data "$work/linux" --sets all --quiet
kill "$sim" 2>/dev/null || true
replay real
run_for 10 wine "$windows/tools/navbin-log.exe" --port COM3 --data "Z:${work//\//\\}\\win" \
  --sets all --quiet
kill "$sim" 2>/dev/null || true
tr -d '\r' <"$work/win1.dat" | awk '{$1=$1; print}' >"$work/win.txt"
awk '{$1=$1; print}' "$work/linux1.dat" >"$work/lin.txt"
records=$(($(wc -l <"$work/win.txt") < $(wc -l <"$work/lin.txt") ? $(wc -l <"$work/win.txt") : $(wc -l <"$work/lin.txt")))
status=1
if ((records >= 5)) && cmp -s <(head -n "$records" "$work/win.txt") <(head -n "$records" "$work/lin.txt"); then
  status=0
fi
result "navbin-log.exe --port COM3 writes the records of the Linux navbin-log ($records compared)" $status
[[ $status == 0 ]] || diff <(head -n 12 "$work/win.txt") <(head -n 12 "$work/lin.txt") || true

echo "$passed passed, $failed failed"
((failed == 0))
