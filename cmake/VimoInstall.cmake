# What `cmake --install` and the package put on the machine: the three programs and, on Linux, the desktop
# entry, the icons, the AppStream data, the manual pages, vimo-cli's bash completion, the README and the user
# manual (VimoManual.pdf).
# Paths follow GNUInstallDirs, so a prefix of /usr, /usr/local or ~/.local all work.
include(GNUInstallDirs)
# Debian keeps a package's documents under the package's name, which is lower case.
if(CMAKE_INSTALL_DOCDIR STREQUAL "${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME}")
  set(CMAKE_INSTALL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/vimo")
endif()
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The AppStream component id; the metainfo file is named after it.
set(VIMO_APP_ID "io.github.brennick.vimo")
# Where the README's screenshots are published, for the software centres' pages.
set(VIMO_SCREENSHOT_URL "https://raw.githubusercontent.com/brennick/vimo/main/docs/screenshots")

foreach(program vimo vimo-cli vimo-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
  endif()
endforeach()

# The user manual: in the program's data folder on Linux, where the program looks after its own folder; elsewhere
# beside the program.
if(DEFINED VIMO_MANUAL_PDF)
  if(UNIX AND NOT APPLE)
    install(FILES ${VIMO_MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_DATADIR}/vimo)
  else()
    install(FILES ${VIMO_MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endif()

if(NOT UNIX OR APPLE)
  return()
endif()

set(dist ${PROJECT_SOURCE_DIR}/dist/linux)
set(generated ${PROJECT_BINARY_DIR}/dist)

install(FILES ${dist}/vimo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/src/app/icons/vimo-${size}.png RENAME vimo.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

configure_file(${dist}/${VIMO_APP_ID}.metainfo.xml.in ${generated}/${VIMO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${VIMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${dist}/vimo-cli.bash RENAME vimo-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/screenshots docs/examples DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

# Manual pages, compressed as Debian installs them. vimo-cli's and vimo-sim's are written from their own --help
# at build time (cmake/HelpToMan.cmake), so a changed option shows on the page with the next build; vimo's is
# written by hand.
find_program(VIMO_GZIP gzip REQUIRED)
set(man_pages "")

function(vimo_compressed_man page)
  add_custom_command(OUTPUT ${generated}/${page}.gz
    COMMAND ${VIMO_GZIP} -9nf -k ${generated}/${page}
    DEPENDS ${generated}/${page} VERBATIM)
  set(man_pages ${man_pages} ${generated}/${page}.gz PARENT_SCOPE)
endfunction()

configure_file(${dist}/vimo.1.in ${generated}/vimo.1 @ONLY)
vimo_compressed_man(vimo.1)

# vimo_help_man(<program> <summary> [COMMANDS]): <program>.1 from the program's --help (and its commands').
function(vimo_help_man program summary)
  if(NOT TARGET ${program})
    return()
  endif()
  set(commands OFF)
  if("COMMANDS" IN_LIST ARGN)
    set(commands ON)
  endif()
  add_custom_command(OUTPUT ${generated}/${program}.1
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program} "-DSUMMARY=${summary}"
            -DVERSION=${PROJECT_VERSION} -DDATE=${VIMO_RELEASE_DATE} -DCOMMANDS=${commands}
            -DEXTRA=${dist}/${program}.1.extra -DOUTPUT=${generated}/${program}.1
            -P ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.cmake ${dist}/${program}.1.extra
    COMMENT "Writing the manual page of ${program} from its help" VERBATIM)
  vimo_compressed_man(${program}.1)
  set(man_pages ${man_pages} PARENT_SCOPE)
endfunction()

vimo_help_man(vimo-cli "the headless companion of Vimo, the altitude recorder's desktop program" COMMANDS)
vimo_help_man(vimo-sim "a simulated Vimo module on a pseudo-terminal")

add_custom_target(vimo_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
