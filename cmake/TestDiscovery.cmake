# Registers a GoogleTest program with CTest so that the program starts once
# for all its tests and every test still has its own CTest entry by name.
# The program's start (some eighty shared libraries) costs more than most
# tests, so a process a test spent most of the run loading libraries.
#   <target>          runs the whole program with VELZAR_TEST_RESULTS set
#                     (tests/support/ResultFilesMain.cpp): one result file a test;
#   <Suite>.<Test>    one a test, needs the run above, passes when its file
#                     says "passed" and shows the failure text when not.
# To run a few tests alone, run the program with --gtest_filter.
#   velzar_discover_tests(<target> RUN_TIMEOUT <seconds> ENVIRONMENT <VAR=value>...)
set(VELZAR_LIST_TESTS_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/ListTests.cmake)
find_program(VELZAR_CAT cat REQUIRED)

function(velzar_discover_tests target)
  cmake_parse_arguments(ARG "" "RUN_TIMEOUT" "ENVIRONMENT" ${ARGN})
  set(tests_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_tests.cmake")
  set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake")
  string(REPLACE ";" "|" environment "${ARG_ENVIRONMENT}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND}
      -D "TEST_PROGRAM=$<TARGET_FILE:${target}>"
      -D "TEST_TARGET=${target}"
      -D "WORKING_DIR=${CMAKE_CURRENT_BINARY_DIR}"
      -D "RESULTS_DIR=${CMAKE_CURRENT_BINARY_DIR}/${target}_results"
      -D "RUN_TIMEOUT=${ARG_RUN_TIMEOUT}"
      -D "RUN_ENVIRONMENT=${environment}"
      -D "CAT=${VELZAR_CAT}"
      -D "TESTS_FILE=${tests_file}"
      -P ${VELZAR_LIST_TESTS_SCRIPT}
    BYPRODUCTS ${tests_file}
    VERBATIM)
  # Until the program is built there is nothing to list; say so in CTest.
  file(WRITE ${include_file}
    "if(EXISTS \"${tests_file}\")\n"
    "  include(\"${tests_file}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
