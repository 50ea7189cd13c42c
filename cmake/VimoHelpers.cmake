# vimo_library(<name> [DEPS <targets...>])
# A static library made of every .cpp/.h/.qrc in the calling folder. Sources are globbed so that a new file in a
# folder needs no edit of a shared list.
function(vimo_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  list(FILTER sources INCLUDE REGEX "\\.(cpp|qrc|ui)$")
  if(sources)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    # A folder with headers only still gives its dependents a target to name.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# vimo_gtest(<name> [GUI] LABEL <unit|sim|widget> [DEPS <targets...>] [NEEDS_SIM <files...>])
# One GoogleTest binary made of every .cpp in the calling folder; each test suite becomes a CTest test with the label
# (ctest -L sim runs the tests against the simulated module); with VIMO_CTEST_PER_TEST each test does. GUI tests get
# a QApplication, the others a QCoreApplication; all run on the offscreen platform. NEEDS_SIM names the files that
# talk to the simulated module: where it cannot be built (no pseudo-terminals) they are left out.
function(vimo_gtest name)
  cmake_parse_arguments(ARG "GUI" "LABEL" "DEPS;NEEDS_SIM" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(ARG_NEEDS_SIM AND NOT TARGET vimo_sim_lib)
    list(TRANSFORM ARG_NEEDS_SIM PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    list(REMOVE_ITEM sources ${ARG_NEEDS_SIM})
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE vimo_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE vimo_test_main_core)
  endif()
  target_link_libraries(${name} PRIVATE vimo_test_support ${ARG_DEPS})
  target_compile_definitions(${name} PRIVATE VIMO_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
                                             VIMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             VIMO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(environment "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
  if(VIMO_TSAN)
    # A test that starts vimo-cli through QProcess while its simulated module serves from a thread counts, for
    # ThreadSanitizer, as a fork of a threaded process, and it would stop the test at the next thread the test
    # starts. The child only runs the program; the program itself never forks.
    list(APPEND environment "TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp:die_after_fork=0")
  endif()
  if(VIMO_CTEST_PER_TEST)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
                         PROPERTIES ENVIRONMENT "${environment}" LABELS "${ARG_LABEL}" TIMEOUT 240)
    return()
  endif()
  # One CTest test per suite, listed after each build (cmake/VimoGTestSuites.cmake).
  set(ctest_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_suites.cmake)
  string(REPLACE ";" "|" environment "${environment}")
  add_custom_command(TARGET ${name} POST_BUILD BYPRODUCTS ${ctest_file} VERBATIM
    COMMAND ${CMAKE_COMMAND} -D TEST_EXECUTABLE=$<TARGET_FILE:${name}> -D CTEST_FILE=${ctest_file}
            -D TEST_LABEL=${ARG_LABEL} -D TEST_ENVIRONMENT=${environment} -D TEST_TIMEOUT=240
            -P ${PROJECT_SOURCE_DIR}/cmake/VimoGTestSuites.cmake)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_suites_include.cmake)
  file(WRITE ${include_file}
       "if(EXISTS [=[${ctest_file}]=])\n  include([=[${ctest_file}]=])\nelse()\n"
       "  add_test(${name}_NOT_BUILT ${name}_NOT_BUILT)\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
