# The start of a shell check: strict mode, a scratch folder in $work that goes at the end, and fail.
# Sourced first, before the arguments are read.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
