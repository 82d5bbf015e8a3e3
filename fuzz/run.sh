#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, several at once, each from its seed corpus in a
# scratch copy; fails when a target finds a crash, a hang or a sanitizer report (the input is
# kept under fuzz-findings/).
#
#   fuzz/run.sh [seconds per target] [build folder]     (defaults: 20, build-fuzz)
#   fuzz/run.sh --compiler                              prints the clang++ that can build them
#
# The build folder is configured and built when needed, with clang, the sanitizers and the fuzz
# targets but not the tests. Without a clang++ that links libFuzzer the runs are skipped, and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."

# A clang++ that links a libFuzzer program, or nothing.
find_compiler() {
  local probe
  probe=$(mktemp -d)
  printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
    >"$probe/p.cpp"
  for cxx in ${CXX:-} clang++ clang++-14; do
    if command -v "$cxx" >/dev/null 2>&1 &&
      "$cxx" -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
      rm -rf "$probe"
      echo "$cxx"
      return 0
    fi
  done
  rm -rf "$probe"
  return 1
}

if [ "${1:-}" = "--compiler" ]; then
  find_compiler
  exit
fi

seconds=${1:-20}
build=${2:-build-fuzz}
if ! cxx=$(find_compiler); then
  echo "fuzz: no clang++ with libFuzzer here: fuzz runs skipped"
  exit 0
fi
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DTENSOVA_FUZZ=ON \
    -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" --target fuzz

targets=()
for exe in "$build"/fuzz/fuzz_*; do
  [ -x "$exe" ] && targets+=("$(basename "$exe")")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no target built in $build/fuzz (was it configured with -DTENSOVA_FUZZ=ON?)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$PWD/fuzz-findings"
# Two targets a core: the run takes half as long, and each target still gets about 10 s of a core.
jobs=${FUZZ_JOBS:-$((2 * $(nproc)))}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
  local t=$1 name=${1#fuzz_}
  mkdir -p "$work/$t" "$findings"
  local seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  if "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$work/$t" "${seeds[@]}" >"$work/$t.log" 2>&1; then
    echo 0 >"$work/$t.status"
  else
    echo 1 >"$work/$t.status"
  fi
}

for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 0.2; done
  run_one "$t" &
done
wait

failed=0
passed=0
for t in "${targets[@]}"; do
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t.log" | tail -1)
  if [ "$(cat "$work/$t.status")" = 0 ]; then
    printf 'fuzz: %-20s %10s inputs in %ss, no finding\n' "${t#fuzz_}" "${runs:-?}" "$seconds"
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'fuzz: %-20s FAILED\n' "${t#fuzz_}"
    tail -n 60 "$work/$t.log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
