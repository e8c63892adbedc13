#!/usr/bin/env bash
# One fuzz target: every seed first (a seed that fails is a finding brought back), then SECONDS of
# fuzzing from a corpus kept beside the target. Usage: roda.sh FUZZDIR TARGET SEEDDIR SECONDS
set -euo pipefail
dir=$1 alvo=$2 sementes=$3 segundos=$4
bin=$dir/fuzz_$alvo
[ -x "$bin" ] || { echo "alvo de fuzz $bin não construído (make fuzz-build)"; exit 1; }
corpus=$dir/corpus/$alvo
mkdir -p "$corpus" "$dir/achados/$alvo"
# the seeds alone, each once
"$bin" -runs=0 "$sementes"
# then a while of fuzzing; a finding is written to achados/ and fails the run
"$bin" -max_total_time="$segundos" -rss_limit_mb=2048 -timeout=60 -print_final_stats=1 \
  -artifact_prefix="$dir/achados/$alvo/" "$corpus" "$sementes" 2>&1 | tail -n 12
exit "${PIPESTATUS[0]}"
