#!/usr/bin/env bash
# Campaign-scale timing, run by hand (not part of the test suite):
#   bash bench/campaign-analyze.sh [BUILD_FOLDER] [FILES]
# Generates a campaign of FILES split-cut files (default 10000, 720 points each) into a
# temporary folder, then times
#   (a) the baseline: reading the files and converting their numbers, nothing else
#       (lumaret_bench's BM_ReadCampaignBaseline when the benchmarks are built, otherwise
#       `lumaret-cli read`), and
#   (b) `lumaret-cli analyze --format json` on the same files, at --threads 1, 2 and
#       every core (THREADS="1 2 8" to choose others),
# and prints the times and each ratio to the baseline. The baseline runs first, so all
# see a warm file cache.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
files=${2:-10000}
case $build in /*) ;; *) build=$root/$build ;; esac
cli=$build/lumaret-cli
gen=$build/lumaret-gen-campaign
bench=$build/lumaret_bench
for tool in "$cli" "$gen"; do
  [ -x "$tool" ] || { echo "campaign-analyze: $tool is not built (make build)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/settings"

echo "generating $files split-cut files ..."
"$gen" --out "$work/campaign" --files "$files"
campaign=$(find "$work/campaign" -mindepth 1 -maxdepth 1 -type d | head -n 1)

# Seconds taken by a command (its output discarded), with millisecond resolution.
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null || { echo "campaign-analyze: $* failed" >&2; return 1; }
  end=$(date +%s%N)
  python3 -c "print('%.3f' % (($end - $start) / 1e9))"
}

if [ -x "$bench" ]; then
  baseline_name="read and parse (lumaret_bench BM_ReadCampaignBaseline)"
  baseline=$(LUMARET_BENCH_CAMPAIGN="$campaign" "$bench" --benchmark_filter=BM_ReadCampaignBaseline \
               --benchmark_format=json 2>/dev/null |
             python3 -c 'import json,sys; b=json.load(sys.stdin)["benchmarks"][0]; print("%.3f" % (b["real_time"] / 1000.0))')
else
  baseline_name="lumaret-cli read"
  baseline=$(seconds "$cli" read -q --settings-dir "$work/settings" "$campaign")
fi
echo "baseline ($baseline_name): ${baseline} s"

cores=$(nproc)
for threads in ${THREADS:-1 2 $cores}; do
  analyze=$(seconds "$cli" analyze -q --format json --threads "$threads" --settings-dir "$work/settings" "$campaign")
  echo "lumaret-cli analyze --format json --threads $threads: ${analyze} s," \
       "ratio to the baseline $(python3 -c "print('%.2f' % ($analyze / $baseline))")"
done
