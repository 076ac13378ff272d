#!/usr/bin/env bash
# Compares `lumaret-cli analyze` on the shared conformance campaign with the independently
# computed results. Arguments: the tool, the source folder (the generator is not used).
set -euo pipefail
cli=$1
source_dir=$2
checker=${LUMARET_CONFORMANCE_DIR:-$source_dir/../shared/conformance}/check.py
if [[ ! -f $checker ]]; then
  echo "skipped: conformance campaign not found: $checker (set LUMARET_CONFORMANCE_DIR)"
  exit 77
fi
exec python3 "$checker" "$cli"
