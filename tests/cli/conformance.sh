#!/usr/bin/env bash
# Compares `lumaret-cli analyze` on the shared conformance campaign with the independently
# computed results. Arguments: the tool, the source folder (the generator is not used).
set -euo pipefail
cli=$1
source_dir=$2
checker=${LUMARET_CONFORMANCE_DIR:-$source_dir/../shared/conformance}/check.py
if [[ ! -f $checker ]]; then
  echo "conformance checker not found: $checker (set LUMARET_CONFORMANCE_DIR)" >&2
  exit 1
fi
exec python3 "$checker" "$cli"
