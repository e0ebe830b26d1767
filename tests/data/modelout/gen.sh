#!/bin/sh
# Regenerate the expected outputs of the summary-tool tests in this folder.
# Needs gfortran; the C++ tests only read the committed files.
set -e
cd "$(dirname "$0")"
gfortran -O0 summaries.f90 -o /tmp/summaries && /tmp/summaries
