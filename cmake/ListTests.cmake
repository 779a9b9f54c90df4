# Script mode: lists the tests of a GoogleTest program and writes its CTest
# entries into TESTS_FILE (see TestDiscovery.cmake).
# In: TEST_PROGRAM, TEST_TARGET, WORKING_DIR, RESULTS_DIR, RUN_TIMEOUT,
#     RUN_ENVIRONMENT ('|' between entries), CAT, TESTS_FILE.
string(REPLACE "|" ";" environment "${RUN_ENVIRONMENT}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ${environment} ${TEST_PROGRAM} --gtest_list_tests
  WORKING_DIRECTORY ${WORKING_DIR}
  TIMEOUT 60
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE listing_errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${TESTS_FILE})
  message(FATAL_ERROR "Listing the tests of ${TEST_PROGRAM} failed (${status}):\n${listing}\n${listing_errors}")
endif()

set(fixture "${TEST_TARGET}_run")
set(script
  "add_test([==[${TEST_TARGET}]==] [==[${TEST_PROGRAM}]==])\n"
  "set_tests_properties([==[${TEST_TARGET}]==] PROPERTIES FIXTURES_SETUP [==[${fixture}]==]"
  " WORKING_DIRECTORY [==[${WORKING_DIR}]==] TIMEOUT ${RUN_TIMEOUT}"
  " ENVIRONMENT [==[${environment};VELZAR_TEST_RESULTS=${RESULTS_DIR}]==])\n")

# Suite lines start in the first column ("Suite." or "Prefix/Suite/0.  # TypeParam = ...");
# their tests are indented under them ("  Test/1  # GetParam() = ...").
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suite "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
    set(suite "${CMAKE_MATCH_1}")
  elseif(suite AND line MATCHES "^  ([^ ]+)")
    set(name "${suite}.${CMAKE_MATCH_1}")
    string(REPLACE "/" "~" file "${name}")
    string(APPEND script
      "add_test([==[${name}]==] [==[${CAT}]==] [==[${RESULTS_DIR}/${file}]==])\n"
      "set_tests_properties([==[${name}]==] PROPERTIES FIXTURES_REQUIRED [==[${fixture}]==]"
      " PASS_REGULAR_EXPRESSION \"^passed\" SKIP_REGULAR_EXPRESSION \"^skipped\")\n")
    if(name MATCHES "(^|\\.)DISABLED_")
      string(APPEND script "set_tests_properties([==[${name}]==] PROPERTIES DISABLED TRUE)\n")
    endif()
    math(EXPR count "${count} + 1")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${TEST_PROGRAM} lists no tests")
endif()
file(WRITE ${TESTS_FILE} ${script})
