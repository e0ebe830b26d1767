#!/bin/sh
# Regenerate the Fortran-runtime reference vectors in this folder.
# Needs gfortran; the C++ tests only read the committed .txt files.
set -e
cd "$(dirname "$0")"
gfortran -O0 gen_vectors.f90 -o /tmp/gen && /tmp/gen
