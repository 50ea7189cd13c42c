# cmake -DSOURCE_DIR=... -DVERSION=1.0.0 -DOUTPUT=.../VimoVersion.h -P WriteVersionHeader.cmake
# Writes the version header, naming the commit when the sources are a git checkout of their own (a tarball inside
# some other repository must not pick up that repository's commit). The file is rewritten only when its text
# changes, so a build without a new commit recompiles nothing.
set(VERSION_TEXT "${VERSION}")
if(EXISTS "${SOURCE_DIR}/.git")
  find_program(GIT_EXECUTABLE git)
  if(GIT_EXECUTABLE)
    execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" rev-parse --short HEAD
                    OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
    if(NOT failed AND commit MATCHES "^[0-9a-f]+$")
      set(VERSION_TEXT "${VERSION} (git ${commit})")
    endif()
  endif()
endif()
configure_file("${CMAKE_CURRENT_LIST_DIR}/VimoVersion.h.in" "${OUTPUT}" @ONLY)
