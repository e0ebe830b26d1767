# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[velmorant_tests]=] "/work/main/build/velmorant_tests")
set_tests_properties([=[velmorant_tests]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/CMakeLists.txt;38;add_test;/work/main/CMakeLists.txt;0;")
