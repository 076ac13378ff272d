# Sourced by the office tests: arguments (lumaret-cli, source folder), the skip where
# LibreOffice is absent, a temporary working folder with a settings folder, fail, and
# `office_convert FORMAT FILE...` into conv/ with the test's own LibreOffice profile.
set -euo pipefail
cli=$1
src=$2
test_name=$(basename "$0" .sh)
command -v soffice >/dev/null || { echo "soffice is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work" "/tmp/lo-$test_name"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$work/settings"
cd "$work"
office_convert() {
  local format=$1
  shift
  soffice --headless "-env:UserInstallation=file:///tmp/lo-$test_name" --convert-to "$format" --outdir conv "$@" \
    >soffice.log 2>&1 || fail "soffice: $(cat soffice.log)"
}
