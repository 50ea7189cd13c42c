# The version for the code: `vimo_version`, a header-only target whose VimoVersion.h is written at every build so
# that a build from git names the commit it was made from. The release number itself is project()'s VERSION.
set(vimo_version_header ${PROJECT_BINARY_DIR}/generated/VimoVersion.h)
add_custom_target(vimo_version_header
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DVERSION=${PROJECT_VERSION}
          -DOUTPUT=${vimo_version_header} -P ${CMAKE_CURRENT_LIST_DIR}/WriteVersionHeader.cmake
  BYPRODUCTS ${vimo_version_header}
  VERBATIM)
add_library(vimo_version INTERFACE)
target_include_directories(vimo_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
add_dependencies(vimo_version vimo_version_header)
