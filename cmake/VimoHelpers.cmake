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
    # A folder with headers only (or nothing yet) still gives its dependents a target to name.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# vimo_gtest(<name> [GUI] [DEPS <targets...>])
# One GoogleTest binary made of every .cpp in the calling folder; each test becomes a CTest test.
# GUI tests get a QApplication, the others a QCoreApplication; all run on the offscreen platform.
function(vimo_gtest name)
  cmake_parse_arguments(ARG "GUI" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
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
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1"
               TIMEOUT 240)
endfunction()
