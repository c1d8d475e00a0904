#!/usr/bin/env bash
# Runs tools/run-benchmarks.sh over stand-in benchmark programs that write
# fixed Google Benchmark JSON, and checks the summary table.
set -euo pipefail
source_dir="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"

# A stand-in program: writes the JSON given on its stdin-free heredoc to the
# --benchmark_out path, as a Google Benchmark program would.
fake() {
  local name="$1" json="$2"
  printf '%s' "$json" >"$work/$name.json"
  cat >"$work/bin/$name" <<EOS
#!/usr/bin/env bash
for a in "\$@"; do case "\$a" in --benchmark_out=*) cp "$work/$name.json" "\${a#--benchmark_out=}";; esac; done
echo "console output that the summary must ignore"
EOS
  chmod +x "$work/bin/$name"
}

context='"context": {"date": "2025-01-01T00:00:00", "host_name": "testhost", "num_cpus": 2, "mhz_per_cpu": 3000}'
fake bench_alpha "{ $context, \"benchmarks\": [
 {\"name\": \"BM_Sort/1000\", \"run_name\": \"BM_Sort/1000\", \"run_type\": \"iteration\", \"real_time\": 10.0, \"cpu_time\": 10.0, \"time_unit\": \"ms\", \"items_per_second\": 100000.0},
 {\"name\": \"BM_SortFloor/1000\", \"run_name\": \"BM_SortFloor/1000\", \"run_type\": \"iteration\", \"real_time\": 2000.0, \"cpu_time\": 2000.0, \"time_unit\": \"us\"},
 {\"name\": \"BM_Sort/10/real_time\", \"run_name\": \"BM_Sort/10/real_time\", \"run_type\": \"iteration\", \"real_time\": 50.0, \"cpu_time\": 50.0, \"time_unit\": \"us\"}
]}"
fake bench_beta "{ $context, \"benchmarks\": [
 {\"name\": \"BM_Load/100\", \"run_name\": \"BM_Load/100\", \"run_type\": \"iteration\", \"real_time\": 300.0, \"time_unit\": \"ns\"},
 {\"name\": \"BM_Copy/100\", \"run_name\": \"BM_Copy/100\", \"run_type\": \"iteration\", \"real_time\": 100.0, \"time_unit\": \"ns\", \"floor\": 1},
 {\"name\": \"BM_Agg_mean\", \"run_name\": \"BM_Agg\", \"run_type\": \"aggregate\", \"aggregate_name\": \"mean\", \"real_time\": 7.0, \"time_unit\": \"ms\"},
 {\"name\": \"BM_Agg_stddev\", \"run_name\": \"BM_Agg\", \"run_type\": \"aggregate\", \"aggregate_name\": \"stddev\", \"real_time\": 0.5, \"time_unit\": \"ms\"},
 {\"name\": \"BM_Agg\", \"run_name\": \"BM_Agg\", \"run_type\": \"iteration\", \"real_time\": 6.0, \"time_unit\": \"ms\"},
 {\"name\": \"BM_Bad\", \"run_name\": \"BM_Bad\", \"run_type\": \"iteration\", \"error_occurred\": true, \"error_message\": \"no fixture\"}
]}"
cat >"$work/bin/bench_broken" <<'EOS'
#!/usr/bin/env bash
echo "crashed" >&2
exit 3
EOS
chmod +x "$work/bin/bench_broken"

set +e
out=$("$source_dir/tools/run-benchmarks.sh" "$work" 2>"$work/stderr")
status=$?
set -e
echo "$out"
fail() { echo "FAILED: $*" >&2; cat "$work/stderr" >&2; exit 1; }
row() { grep -E "^\| $1" <<<"$out" || fail "no row for $1"; }

[[ $status -ne 0 ]] || fail "a failing benchmark program must fail the run"
grep -q "bench_broken failed" "$work/stderr" || fail "the failing program is not named"
grep -q "^Machine: testhost" <<<"$out" || fail "no machine line"
row "bench_alpha: BM_Sort +\| 1000 " | grep -q "10 ms .*100 kitems/s .*5.00x BM_SortFloor" || fail "ratio by name"
row "bench_alpha: BM_SortFloor" | grep -q "(floor)" || fail "floor row"
row "bench_alpha: BM_Sort +\| 10 " | grep -qE "50 us .*\| - +\|$" || fail "a figure without floor"
row "bench_beta: BM_Load" | grep -q "3.00x BM_Copy" || fail "ratio by counter"
row "bench_beta: BM_Agg" | grep -q "7 ms" || fail "the mean of repetitions"
[[ $(grep -c "BM_Agg" <<<"$out") -eq 1 ]] || fail "one row per benchmark"
row "bench_beta: BM_Bad" | grep -q "error: no fixture" || fail "an errored benchmark"
! grep -q "console output" <<<"$out" || fail "console output leaked"

# No programs at all is no failure.
empty=$(mktemp -d)
"$source_dir/tools/run-benchmarks.sh" "$empty" | grep -q "No benchmark programs" || fail "empty build"
rm -rf "$empty"
echo "run-benchmarks: all checks passed"
