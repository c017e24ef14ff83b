#!/usr/bin/env bash
# Builds an optimised tree and prints one table: start-up and peak memory of the program against
# a bare Qt window, a click of "Calcola ", and one calculation press without the window.
# Runs on the offscreen platform unless a display is set. BENCH_RUNS: start-up runs (15 at least).
source "$(dirname "$0")/setup.sh"
# Google Benchmark; Xvfb and a D-Bus session bus for the window's timings.
need "${PROGRAM_PACKAGES[@]}" libbenchmark-dev xvfb xauth dbus

dir="$BUILD_DIR-bench"
configure_and_build "$dir" -DCMAKE_BUILD_TYPE=Release -DBRENVOLA_BUILD_TESTS=OFF >/dev/null
[[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]] && export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores," \
     "$(free -g | awk '/Mem:/ {print $2}') GiB"
"$dir/bench/window/windowbench" "${BENCH_RUNS:-21}"
"$dir/bench/calc_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null \
    | awk -F, '/_median"/ {
        name = $1; gsub(/"/, "", name); sub(/_median/, "", name)
        circuit = (name ~ /Two/) ? "two transistors" : "one transistor"
        printf "| %-44s | %10.3f ns | %13s | %6s | %-14s |\n", \
               "press without the window, " circuit, $3, "", "", "< 1000 ns"
      }'
