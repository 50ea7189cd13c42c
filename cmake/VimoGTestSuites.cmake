# Run after a test binary is built: lists its GoogleTest suites and writes one CTest test per suite
# (--gtest_filter=Suite.*) to CTEST_FILE. A suite runs in one process, so a test costs its own time and not the
# start of a sanitized Qt program each; the tests' own names still appear in the output and in --gtest_filter.
#
# Variables: TEST_EXECUTABLE, CTEST_FILE, TEST_LABEL, TEST_ENVIRONMENT (a ;-list, passed as |-list), TEST_TIMEOUT.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "${TEST_EXECUTABLE}" --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Listing the tests of ${TEST_EXECUTABLE} failed (${result}):\n${listing}")
endif()

string(REPLACE "|" ";" environment "${TEST_ENVIRONMENT}")
get_filename_component(directory "${TEST_EXECUTABLE}" DIRECTORY)
set(script "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # Suite lines start in the first column and end in "." (a typed or parameterised suite adds "  # ...").
  if(line MATCHES "^([^ #][^ ]*)\\.")
    set(suite "${CMAKE_MATCH_1}")
    string(APPEND script
      "add_test([=[${suite}]=] [=[${TEST_EXECUTABLE}]=] [=[--gtest_filter=${suite}.*]=])\n"
      "set_tests_properties([=[${suite}]=] PROPERTIES WORKING_DIRECTORY [=[${directory}]=]"
      " LABELS [=[${TEST_LABEL}]=] TIMEOUT ${TEST_TIMEOUT} ENVIRONMENT [=[${environment}]=]"
      " SKIP_REGULAR_EXPRESSION [=[\\[  SKIPPED \\]]=])\n")
  endif()
endforeach()
file(WRITE "${CTEST_FILE}" "${script}")
