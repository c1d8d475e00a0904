#!/usr/bin/env bash
# Runs every benchmark program of a build (bin/bench_*) with JSON output and
# prints one summary table. Usage: run-benchmarks.sh BUILD_DIR [benchmark options]
# The JSON results stay in BUILD_DIR/bench-results.
set -euo pipefail
build="${1:-build-bench}"
shift || true
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
results="$build/bench-results"
rm -rf "$results"
mkdir -p "$results"
# Benchmarks that make windows need no screen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

shopt -s nullglob
programs=()
for p in "$build"/bin/bench_*; do
  [[ -f "$p" && -x "$p" ]] && programs+=("$p")
done
if [[ ${#programs[@]} -eq 0 ]]; then
  echo "No benchmark programs in $build/bin."
  exit 0
fi

status=0
for p in "${programs[@]}"; do
  name=$(basename "$p")
  echo "Running $name ..." >&2
  if ! "$p" --benchmark_out="$results/$name.json" --benchmark_out_format=json "$@" >"$results/$name.log" 2>&1; then
    echo "$name failed; its output is in $results/$name.log" >&2
    status=1
  fi
done

python3 "$here/bench-summary.py" "$results"/*.json || status=1
exit $status
