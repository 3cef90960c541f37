#!/usr/bin/env bash
# A short libFuzzer run of every fuzz target: about 60 seconds each, starting
# from the seed corpus. Any crash, leak, sanitizer report or time-out fails
# the run; the reproducer is left in BUILD_DIR/fuzz-smoke/<target>/.
#
#   tests/fuzz/run-smoke.sh BUILD_DIR [SECONDS]
set -euo pipefail

build=${1:?usage: run-smoke.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$build" && pwd)
targets=(fuzz_frame_decoder fuzz_values fuzz_client_replies fuzz_json_syntax)

status=0
for target in "${targets[@]}"; do
  binary="$build/bin/$target"
  if [[ ! -x "$binary" ]]; then
    echo "run-smoke: $binary is missing; build the target fuzz_targets with -DQV_FUZZ=ON" >&2
    exit 2
  fi
  work="$build/fuzz-smoke/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/findings"
  # The client library writes each malformed reply it meets on stderr: keep
  # only libFuzzer's own reports there (it writes them to a copy of stderr).
  quiet=()
  [[ $target == fuzz_client_replies ]] && quiet=(-close_fd_mask=2)
  # New inputs go to a scratch corpus; the seeds in the tree stay as they are.
  echo "== $target: ${seconds}s"
  if ! "$binary" "$work/corpus" "$here/corpus/$target" "${quiet[@]}" \
       -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
       -print_final_stats=1 -artifact_prefix="$work/findings/" >"$work/log" 2>&1; then
    status=1
    echo "run-smoke: $target found a problem; see $work/log" >&2
    tail -n 40 "$work/log" >&2
    ls -l "$work/findings" >&2
  else
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$work/log" | sed "s/^/  /"
  fi
done
exit $status
