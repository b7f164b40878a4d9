#!/usr/bin/env bash
# Sets up the machine, then builds and tests the tree three ways: a normal build, an
# AddressSanitizer + UndefinedBehaviorSanitizer build, and the libFuzzer targets (clang), each
# run for a short time. Any failure stops the script with a non-zero status.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
jobs=$(nproc)

build() {  # build <dir> <target> <cmake args...>
  local dir=$1 target=$2; shift 2
  cmake -S "$root" -B "$root/build/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$root/build/$dir" -j "$jobs" --target "$target"
}

build normal all
ctest --test-dir "$root/build/normal" -j "$jobs" --output-on-failure

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build sanitize all -DVK_SANITIZE=ON -DVK_BENCH=OFF
ctest --test-dir "$root/build/sanitize" -j "$jobs" --output-on-failure

build fuzz vk_fuzz_all -DVK_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
ctest --test-dir "$root/build/fuzz" -j "$jobs" --output-on-failure
