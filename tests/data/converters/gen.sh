#!/bin/sh
# Regenerate the converter tests' reference outputs in this folder.
# Needs gfortran; the C++ tests only read the committed .txt files.
set -e
cd "$(dirname "$0")"
for p in noaa_expected crms_expected waves_expected; do
  gfortran -O0 "$p.f90" -o "/tmp/$p" && "/tmp/$p" && rm -f "/tmp/$p"
done
