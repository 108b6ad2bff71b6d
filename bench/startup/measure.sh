#!/usr/bin/env bash
# Start-up time and peak memory of Quarvex beside a bare Qt window.
#
#   bench/startup/measure.sh [RUNS]     (default 7 runs each)
#
# Builds the release preset, then, under a virtual X display, measures for each
# program the time from process start until its first window is mapped (for
# Quarvex: the splash screen), and its peak resident memory (VmHWM) once it is
# up (for Quarvex: once the switchboard is shown, after Continue on the
# disclaimer). Prints the medians side by side and their ratios.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
runs="${1:-7}"

if [ -z "${QUARVEX_MEASURE_INNER:-}" ]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool)"; exit 1; }
    done
    cd "$root"
    cmake --preset release >/dev/null
    cmake --build --preset release --target quarvex barewindow >/dev/null
    QUARVEX_MEASURE_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs"
fi

quarvex="$root/build/release/src/gui/app/quarvex"
bare="$root/build/release/bench/startup/barewindow"
export LC_ALL=C.UTF-8

now_ns() { date +%s%N; }

# time_to_map NAME-PATTERN PROGRAM [ARGS] -> milliseconds until a window matching is visible
time_to_map() {
    local pattern="$1" start pid
    shift
    start=$(now_ns)
    "$@" >/dev/null 2>&1 &
    pid=$!
    # Poll (xdotool's own --sync waits half a second between looks).
    until xdotool search --all --onlyvisible --pid "$pid" --name "$pattern" >/dev/null 2>&1; do
        sleep 0.002
    done
    echo $(( ($(now_ns) - start) / 1000000 )) "$pid"
}

peak_kib() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status"; }

median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

qt_times=() qt_mem=() bare_times=() bare_mem=() text_times=() text_mem=()
for ((i = 0; i < runs; i++)); do
    read -r ms pid < <(time_to_map "^Bare window$" "$bare")
    sleep 0.5
    bare_times+=("$ms"); bare_mem+=("$(peak_kib "$pid")")
    kill "$pid"; wait "$pid" 2>/dev/null || true

    read -r ms pid < <(time_to_map "^Bare window$" "$bare" --text)
    sleep 0.5
    text_times+=("$ms"); text_mem+=("$(peak_kib "$pid")")
    kill "$pid"; wait "$pid" 2>/dev/null || true

    read -r ms pid < <(time_to_map "^Quarvex$" "$quarvex")
    qt_times+=("$ms")
    # Splash, then the disclaimer: Continue leads to the switchboard.
    win=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Disclaimer$' | head -n 1)
    xdotool windowfocus --sync "$win"
    xdotool key Return
    xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Quarvex Options$' >/dev/null
    sleep 0.5
    qt_mem+=("$(peak_kib "$pid")")
    kill "$pid"; wait "$pid" 2>/dev/null || true
done

bt=$(printf '%s\n' "${bare_times[@]}" | median)
tt=$(printf '%s\n' "${text_times[@]}" | median)
qt=$(printf '%s\n' "${qt_times[@]}" | median)
bm=$(printf '%s\n' "${bare_mem[@]}" | median)
tm=$(printf '%s\n' "${text_mem[@]}" | median)
qm=$(printf '%s\n' "${qt_mem[@]}" | median)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
printf '%-28s %9s %9s %9s %10s %10s\n' "median of $runs runs" "bare" "bare+text" "Quarvex" "Q/bare" "Q/text"
printf '%-28s %9s %9s %9s %10s %10s\n' "time to first window (ms)" "$bt" "$tt" "$qt" "$(ratio "$qt" "$bt")" "$(ratio "$qt" "$tt")"
printf '%-28s %9s %9s %9s %10s %10s\n' "peak resident memory (KiB)" "$bm" "$tm" "$qm" "$(ratio "$qm" "$bm")" "$(ratio "$qm" "$tm")"
