#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
set -euo pipefail
need=()
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v ninja >/dev/null 2>&1 || need+=(ninja-build)
command -v g++ >/dev/null 2>&1 || need+=(g++)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/netcdf.h ] || need+=(libnetcdf-dev)
# ncdump and ncgen, to look into and write NetCDF files by hand.
command -v ncdump >/dev/null 2>&1 || need+=(netcdf-bin)
# The tests read the comparison report with an XML parser (configured with the build) ...
[ -f /usr/include/libxml2/libxml/parser.h ] || need+=(libxml2-dev)
# ... and open it in a real browser: only the tests need that.
if [ "${1:-}" = "--test" ]; then
  command -v chromium >/dev/null 2>&1 || need+=(chromium)
fi
# Fuzzing needs clang and its libFuzzer runtime.
if [ "${1:-}" = "--fuzz" ]; then
  command -v clang++ >/dev/null 2>&1 || need+=(clang)
  ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
fi
if [ "${#need[@]}" -gt 0 ]; then
  echo "installing: ${need[*]}" >&2
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}" >&2
fi
