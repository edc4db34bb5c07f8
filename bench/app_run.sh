# Shared by the scripts that run navbin-sim and navbin-monitor together:
# checks the programs are built, makes a work folder that is removed with
# every started process at exit, and waits for navbin-sim's device lines.
# Source it after setting `build` (and `programs`, when not these two);
# started processes go into `pids`.

[ -n "${programs+x}" ] || programs=(sim/navbin-sim app/navbin-monitor)
for program in "${programs[@]}"; do
  [ -x "$build/$program" ] || { echo "missing $build/$program: build it first"; exit 1; }
done

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# wait_for_sim N: navbin-sim has printed the device lines of N receivers.
wait_for_sim() {
  for _ in $(seq 50); do [ "$(wc -l <"$work/sim.out")" -ge "$1" ] && return; sleep 0.1; done
  echo "navbin-sim did not start"
  cat "$work/sim.err"
  exit 1
}
