#!/bin/sh
# Regenerate the expected outputs in this folder with the gfortran runtime.
# Needs gfortran; the C++ tests only read the committed files.
set -e
cd "$(dirname "$0")"
gfortran -O0 gen_expected.f90 -o /tmp/gen_expected && /tmp/gen_expected
