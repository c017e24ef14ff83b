#!/usr/bin/env bash
# Builds an optimised tree and prints, offscreen and then on a virtual X display it starts itself:
# start-up and peak memory of the program against the fair floor (a window of its size showing
# text in its font) and a bare Qt window, and a click of "Calcola "; then one calculation press
# without the window. BENCH_RUNS: start-up runs of each program (15 at least).
source "$(dirname "$0")/setup.sh"
# Google Benchmark; Xvfb and a D-Bus session bus for the window's timings.
need "${PROGRAM_PACKAGES[@]}" libbenchmark-dev xvfb xauth dbus

dir="$BUILD_DIR-bench"
configure_and_build "$dir" -DCMAKE_BUILD_TYPE=Release -DBRENVOLA_BUILD_TESTS=OFF >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# A virtual display and a D-Bus session bus of its own, ended by their process ids on exit.
display=90
while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do ((display++)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
bus_pid=$(sed -n 2p <<<"$bus")
trap 'kill "$xvfb_pid" "$bus_pid" 2>/dev/null || true' EXIT
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores," \
     "$(free -g | awk '/Mem:/ {print $2}') GiB; load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
QT_QPA_PLATFORM=offscreen "$dir/bench/window/windowbench" "${BENCH_RUNS:-21}"
echo
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$dir/bench/window/windowbench" "${BENCH_RUNS:-21}"
echo
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| Without the window (CPU time)                   |      median | budget    |"
echo "|-------------------------------------------------|-------------|-----------|"
"$dir/bench/calc_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null \
    | awk -F, '/_median"/ {
        name = $1; gsub(/"/, "", name); sub(/_median/, "", name)
        circuit = (name ~ /Two/) ? "two transistors" : "one transistor"
        if (name ~ /Ranking/) { what = "the ranking of the parts, 72 pairs"; budget = "< 2 ms" }
        else if (name ~ /Report/) { what = "the report as text, " circuit; budget = "< 1 ms" }
        else if (name ~ /Notes/) { what = "a press with its notes, " circuit; budget = "< 20 us" }
        else { what = "a press, " circuit; budget = "< 10 us" }
        printf "| %-47s | %8.1f ns | %-9s |\n", what, $4, budget
      }'
