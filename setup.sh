#!/usr/bin/env bash
# Installs, with apt-get, what building tensova and running its tests needs and this machine
# lacks: CMake, Ninja, g++, GoogleTest, Google Benchmark (bench/), Ghostscript (the tests
# render the PostScript files) and strace (a test counts the writes to the console). What is
# there already is left alone.
#
#   ./setup.sh          the build and test tools
#   ./setup.sh --fuzz   also clang with libFuzzer, for fuzz/run.sh (without it the fuzz runs are
#                       skipped, so a failed install only warns)
set -euo pipefail
cd "$(dirname "$0")"

fuzz=no
case "${1:-}" in
  "") ;;
  --fuzz) fuzz=yes ;;
  *)
    echo "usage: $0 [--fuzz]" >&2
    exit 2
    ;;
esac

# apt-get runs as root: through sudo for anyone else.
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
updated=no

# Installs the Debian packages named, saying so; fails when it cannot.
apt_install() {
  echo "setup: installing $* with apt-get"
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "setup: no apt-get on this machine: install $* by hand" >&2
    return 1
  fi
  if [ ${#as_root[@]} -gt 0 ] && ! command -v sudo >/dev/null 2>&1; then
    echo "setup: not root and no sudo: install $* by hand" >&2
    return 1
  fi
  if [ "$updated" = no ]; then
    "${as_root[@]}" apt-get update -qq
    updated=yes
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@"
}

need=()
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v ninja >/dev/null 2>&1 || need+=(ninja-build)
command -v g++ >/dev/null 2>&1 || need+=(g++)
command -v gs >/dev/null 2>&1 || need+=(ghostscript)
command -v strace >/dev/null 2>&1 || need+=(strace)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
if [ ${#need[@]} -gt 0 ]; then
  apt_install "${need[@]}"
else
  echo "setup: CMake, Ninja, g++, GoogleTest, Google Benchmark, Ghostscript and strace are installed"
fi

if [ "$fuzz" = yes ]; then
  if compiler=$(fuzz/run.sh --compiler); then
    echo "setup: $compiler builds the fuzz targets"
  elif ! apt_install clang-14 libclang-rt-14-dev; then
    echo "setup: clang-14 could not be installed: the fuzz runs will be skipped"
  fi
fi
