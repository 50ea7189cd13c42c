# Writes a manual page from a program's own --help text, so that the page and the program cannot drift apart.
#
#   cmake -DPROGRAM=<path> -DNAME=vimo-cli -DSUMMARY="..." -DVERSION=1.0.0 -DDATE=2026-12-08 -DOUTPUT=<file>
#         [-DCOMMANDS=ON] [-DEXTRA=<roff file>] -P HelpToMan.cmake
#
# The page has NAME, SYNOPSIS (the help's "Usage:" line), DESCRIPTION (the whole help text, as printed) and, with
# COMMANDS, a COMMANDS section holding `PROGRAM COMMAND --help` for every command the help lists under
# "Commands:". EXTRA is appended as it is (EXIT STATUS, FILES, SEE ALSO, ...). The help text is kept line for line
# (no filling), with everything roff would take as markup escaped.
cmake_minimum_required(VERSION 3.25)
foreach(var PROGRAM NAME SUMMARY VERSION DATE OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "HelpToMan: ${var} is not set")
  endif()
endforeach()

# The help text of PROGRAM with ARGN as arguments; a program that fails stops the build.
function(help_text out_var)
  execute_process(COMMAND "${PROGRAM}" ${ARGN}
                  OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE failed)
  if(failed)
    string(JOIN " " arguments ${ARGN})
    message(FATAL_ERROR "HelpToMan: '${PROGRAM} ${arguments}' failed (${failed}): ${errors}")
  endif()
  # Programs that print their path as their name (argv[0]) show only the name on the page.
  string(REPLACE "${PROGRAM}" "${NAME}" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# Text as roff that prints it unchanged, line for line: backslashes and minus signs escaped, a line that starts
# with a dot or an apostrophe (a request to roff) guarded with \&, an empty line kept as one. Ends with a newline.
function(roff_text out_var text)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  set(text "\n${text}\n")
  string(REPLACE "\n." "\n\\&." text "${text}")
  string(REPLACE "\n'" "\n\\&'" text "${text}")
  while(text MATCHES "\n\n")
    string(REPLACE "\n\n" "\n\\&\n" text "${text}")
  endwhile()
  string(SUBSTRING "${text}" 1 -1 text)
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

help_text(help --help)
string(TOUPPER "${NAME}" title)
roff_text(name_roff "${NAME}")
roff_text(summary_roff "${SUMMARY}")
string(STRIP "${name_roff}" name_roff)
string(STRIP "${summary_roff}" summary_roff)
set(page ".TH \"${title}\" \"1\" \"${DATE}\" \"Vimo ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${name_roff} \\- ${summary_roff}\n")

if(help MATCHES "Usage: ([^\n]*)")
  roff_text(usage "${CMAKE_MATCH_1}")
  string(APPEND page ".SH SYNOPSIS\n.nf\n${usage}.fi\n")
endif()
roff_text(description "${help}")
string(APPEND page ".SH DESCRIPTION\n.nf\n${description}.fi\n")

if(COMMANDS)
  # The command names: the first word of each indented line between "Commands:" and the next empty line.
  if(NOT help MATCHES "\nCommands:\n(([^\n]+\n)+)")
    message(FATAL_ERROR "HelpToMan: '${PROGRAM} --help' lists no commands")
  endif()
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" commands "\n${CMAKE_MATCH_1}")
  string(APPEND page ".SH COMMANDS\n")
  foreach(command IN LISTS commands)
    string(STRIP "${command}" command)
    help_text(command_help ${command} --help)
    roff_text(command_roff "${command_help}")
    roff_text(title_roff "${command}")
    string(APPEND page ".SS ${title_roff}.nf\n${command_roff}.fi\n")
  endforeach()
endif()

if(DEFINED EXTRA AND NOT EXTRA STREQUAL "")
  file(READ "${EXTRA}" extra)
  string(APPEND page "${extra}")
endif()
file(WRITE "${OUTPUT}" "${page}")
