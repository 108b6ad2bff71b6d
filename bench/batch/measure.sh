#!/usr/bin/env bash
# Batch mode of quarvex-cli: cases per second on 1, 2 and 64 threads and
# peak memory for a generated file of complete cases, CSV out to a file; the
# same for JSON Lines on the first 200,000 of them, with the bytes per case;
# then the same cases run one quarvex-cli process each, for 1,000 cases.
#
#   bench/batch/measure.sh [CASES]      (default 1000000; release build)
#
# The machine's load is printed before and after: other work on the same
# cores slows every figure down.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
cli=${QUARVEX_CLI:-$root/build/release/src/cli/quarvex-cli}
cases=${1:-1000000}
work=${TMPDIR:-/tmp}/quarvex-batch-bench
mkdir -p "$work"

input=$work/cases-$cases.csv
if [ ! -s "$input" ]; then
    echo "generating $cases cases..."
    python3 "$root/bench/batch/generate_cases.py" "$cases" > "$input"
fi
echo "input: $(du -m "$input" | cut -f1) MB; load before: $(cut -d' ' -f1-3 /proc/loadavg)"

for threads in 1 2 64; do
    /usr/bin/time -f "%e %M" -o "$work/time" \
        "$cli" --batch "$input" --threads "$threads" -o "$work/out.csv"
    read -r seconds kb < "$work/time"
    echo "batch, $threads thread(s): $seconds s, $(python3 -c "print(round($cases / $seconds))") cases/s," \
         "peak memory $((kb / 1024)) MB, output $(du -m "$work/out.csv" | cut -f1) MB"
done
rm -f "$work/out.csv"

# JSON Lines on the first 200,000 cases: cases per second, bytes per case.
head -n 200001 "$input" > "$work/json-cases.csv"
json_cases=$(($(wc -l < "$work/json-cases.csv") - 1))
for threads in 1 2 64; do
    /usr/bin/time -f "%e %M" -o "$work/time" \
        "$cli" --batch "$work/json-cases.csv" --json --threads "$threads" -o "$work/out.jsonl"
    read -r seconds kb < "$work/time"
    bytes=$(stat -c %s "$work/out.jsonl")
    echo "batch --json, $threads thread(s): $seconds s," \
         "$(python3 -c "print(round($json_cases / $seconds))") cases/s, peak memory $((kb / 1024)) MB," \
         "$((bytes / json_cases)) bytes per case"
done
"$cli" --items-json -o "$work/items.json"
echo "--items-json: $(stat -c %s "$work/items.json") bytes, written once"
rm -f "$work/out.jsonl" "$work/json-cases.csv" "$work/items.json"

# The first 1,000 cases as Name=text files, one quarvex-cli run each.
single=$work/single
rm -rf "$single" && mkdir -p "$single"
python3 - "$input" "$single" <<'PY'
import csv, sys
with open(sys.argv[1], newline="") as f:
    rows = csv.reader(f)
    header = next(rows)
    for n, row in zip(range(1000), rows):
        with open(f"{sys.argv[2]}/{n:04d}.txt", "w") as out:
            out.writelines(f"{k}={v}\n" for k, v in zip(header, row) if k != "Case")
PY
start=$(date +%s.%N)
for file in "$single"/*.txt; do
    LC_ALL=C "$cli" "$file" > /dev/null
done
end=$(date +%s.%N)
python3 -c "s = $end - $start; print(f'one process per case: 1000 cases in {s:.2f} s, {1000 / s:.0f} cases/s')"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
