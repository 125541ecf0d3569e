#!/usr/bin/env bash
# Runs the import benchmark on generated plain and tagged inputs of 1 MiB and
# 32 MiB, each import in a process of its own (so the peak memory belongs to
# one size), prints a table and checks the targets:
#   (a) plain text, 32 MiB: at least 20 MB/s (10^6 bytes per second);
#   (b) plain and tagged: time(32 MiB) <= 40 x time(1 MiB);
#   (c) every run: peak resident memory < 16 bytes per input byte + 64 MiB;
#   (d) names (every block makes new styles, colours and font names), at
#       256 KiB and 8 MiB: time(8 MiB) <= 64 x time(256 KiB). The many
#       objects of a large input cost some cache misses; a lookup that
#       searched all names made so far would make the ratio about 1000.
# Exits 0 when all targets are met, 1 when one is missed, 2 on a run error.
#
# Usage: bench/run_benchmarks.sh [BUILD_DIR]   (default: build-release in the repository)
# REPEAT (environment, default 3): imports per process; the best time counts.
# It builds nothing: build import_bench and xtg_generate first (README.md).
set -euo pipefail

build_dir="${1:-$(cd "$(dirname "$0")/.." && pwd)/build-release}"
repeat="${REPEAT:-3}"
generate="$build_dir/bench/xtg_generate"
bench="$build_dir/bench/import_bench"
for program in "$generate" "$bench"; do
  if [[ ! -x "$program" ]]; then
    echo "run_benchmarks: $program not found; build it first (see bench/README.md)" >&2
    exit 2
  fi
done

work="$(mktemp -d "${TMPDIR:-/tmp}/brisko_bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT

small=$((1 << 20))
large=$((32 << 20))
names_small=$((256 << 10))
names_large=$((8 << 20))
declare -A seconds mbps peak

printf '%-7s %10s %10s %10s %9s %10s %10s\n' kind size bytes seconds MB/s peak_MiB limit_MiB
for kind in plain tagged names; do
  sizes=("$small" "$large")
  [[ $kind == names ]] && sizes=("$names_small" "$names_large")
  for size in "${sizes[@]}"; do
    input="$work/$kind-$size.xtg"
    "$generate" --kind "$kind" --bytes "$size" "$input"
    # Standard error carries the import's alerts and progress; keep it for
    # a failed run only.
    if ! "$bench" --repeat "$repeat" "$input" >"$work/out" 2>"$work/err"; then
      echo "run_benchmarks: import_bench failed on $kind $size bytes:" >&2
      cat "$work/err" >&2
      exit 2
    fi
    key="$kind-$size"
    seconds[$key]="$(awk '$1 == "seconds:" { print $2 }' "$work/out")"
    mbps[$key]="$(awk '$1 == "mb_per_s:" { print $2 }' "$work/out")"
    peak[$key]="$(awk '$1 == "peak_rss_mib:" { print $2 }' "$work/out")"
    limit="$(awk -v b="$size" 'BEGIN { printf "%.1f", (16 * b) / 1048576 + 64 }')"
    printf '%-7s %6d KiB %10d %10s %9s %10s %10s\n' "$kind" $((size >> 10)) "$size" \
      "${seconds[$key]}" "${mbps[$key]}" "${peak[$key]}" "$limit"
    rm -f "$input"
  done
done

echo
failed=0
verdict() {  # verdict NAME CONDITION(awk expression, true = met) DETAIL
  if awk "BEGIN { exit !($2) }"; then
    printf 'PASS  %s (%s)\n' "$1" "$3"
  else
    printf 'FAIL  %s (%s)\n' "$1" "$3"
    failed=1
  fi
}

verdict "(a) plain 32 MiB >= 20 MB/s" "${mbps[plain-$large]} >= 20" "${mbps[plain-$large]} MB/s"
for kind in plain tagged; do
  ratio="$(awk -v a="${seconds[$kind-$large]}" -v b="${seconds[$kind-$small]}" \
    'BEGIN { if (b > 0) printf "%.1f", a / b; else print "inf" }')"
  verdict "(b) $kind time(32 MiB) <= 40 x time(1 MiB)" \
    "${seconds[$kind-$large]} <= 40 * ${seconds[$kind-$small]}" "ratio $ratio"
done
for key in "${!peak[@]}"; do
  size="${key#*-}"
  limit="$(awk -v b="$size" 'BEGIN { printf "%.1f", (16 * b) / 1048576 + 64 }')"
  verdict "(c) ${key%%-*} $((size >> 10)) KiB peak memory < 16 B/byte + 64 MiB" \
    "${peak[$key]} < $limit" "${peak[$key]} MiB < $limit MiB"
done
ratio="$(awk -v a="${seconds[names-$names_large]}" -v b="${seconds[names-$names_small]}" \
  'BEGIN { if (b > 0) printf "%.1f", a / b; else print "inf" }')"
verdict "(d) names time(8 MiB) <= 64 x time(256 KiB)" \
  "${seconds[names-$names_large]} <= 64 * ${seconds[names-$names_small]}" "ratio $ratio"

echo
if [[ $failed -eq 0 ]]; then
  echo "PASS: all targets met"
else
  echo "FAIL: a target was missed"
fi
exit "$failed"
