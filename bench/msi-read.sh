#!/usr/bin/env bash
# Reading speed of combined files, run by hand (not part of the test suite):
#   bash bench/msi-read.sh [BUILD_FOLDER] [COPIES]
# Copies one 720-point MSI file of the sample campaign COPIES times (default 1000) into a
# temporary folder and times `lumaret-cli read` of the folder at --threads 1, 2 and every
# core (best of five runs each, the process start included), in files per second.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
copies=${2:-1000}
case $build in /*) ;; *) build=$root/$build ;; esac
cli=$build/lumaret-cli
[ -x "$cli" ] || { echo "msi-read: $cli is not built (make build)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/files" "$work/settings"
sample=$(ls "$root"/samples/MSI/*.msi | head -n 1)
for i in $(seq 1 "$copies"); do cp "$sample" "$work/files/copy$i.msi"; done
for threads in 1 2 "$(nproc)"; do
  python3 - "$cli" "$threads" "$work" "$copies" <<'PY'
import subprocess, sys, time
cli, threads, work, copies = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
best = float("inf")
for _ in range(5):
    start = time.perf_counter()
    subprocess.run([cli, "read", "-q", "--threads", threads, "--settings-dir", work + "/settings", work + "/files"],
                   stdout=subprocess.DEVNULL, check=True)
    best = min(best, time.perf_counter() - start)
print("lumaret-cli read of %d MSI files, --threads %s: %.3f s, %.0f files per second" % (copies, threads, best, copies / best))
PY
done
