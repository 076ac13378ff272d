# What `cmake --install` puts under the prefix, all in the component "Runtime":
#   bin/lumaret, bin/lumaret-cli
#   share/lumaret/Config File/       found by the program-folder rule (<exe folder>/../share/lumaret/),
#                                    with the built Word templates in template/
#   share/applications/lumaret.desktop
#   share/icons/hicolor/scalable/apps/lumaret.svg and 64x64/apps/lumaret.png
#   share/man/man1/lumaret.1.gz, lumaret-cli.1.gz
include(GNUInstallDirs)

set(LUMARET_INSTALL_COMPONENT Runtime)

install(TARGETS lumaret lumaret-cli
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${LUMARET_INSTALL_COMPONENT})

# The executables find their resources one folder up from bin/, so the data folder must be
# <prefix>/share whatever CMAKE_INSTALL_DATADIR says.
install(DIRECTORY "${CMAKE_SOURCE_DIR}/Config File"
        DESTINATION share/lumaret COMPONENT ${LUMARET_INSTALL_COMPONENT})
# The Word report templates are built (cmake/ReportTemplates.cmake), not kept in the repository.
install(FILES ${LUMARET_REPORT_TEMPLATES}
        DESTINATION "share/lumaret/Config File/template" COMPONENT ${LUMARET_INSTALL_COMPONENT})

install(FILES "${CMAKE_SOURCE_DIR}/dist/lumaret.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${LUMARET_INSTALL_COMPONENT})
install(FILES "${CMAKE_SOURCE_DIR}/dist/lumaret.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${LUMARET_INSTALL_COMPONENT})

# The 64 x 64 PNG for desktops that do not draw SVG icons, rendered from the same drawing
# by the render library (no SVG library needed). A sanitizer build runs the tool too;
# Qt keeps allocations for the life of the process, so leak detection is off for it.
set(LUMARET_ICON_PNG "${CMAKE_BINARY_DIR}/icons/64x64/lumaret.png")
add_custom_command(OUTPUT "${LUMARET_ICON_PNG}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icons/64x64"
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:lumaret-render-icon> "${LUMARET_ICON_PNG}" 64
  DEPENDS lumaret-render-icon VERBATIM)
add_custom_target(icon_png ALL DEPENDS "${LUMARET_ICON_PNG}")
install(FILES "${LUMARET_ICON_PNG}"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps COMPONENT ${LUMARET_INSTALL_COMPONENT})

# Man pages go in gzipped (as Debian installs them) when gzip is at hand, plain otherwise.
find_program(GZIP_PROGRAM gzip)
set(LUMARET_MAN_PAGES lumaret.1 lumaret-cli.1)
set(man_outputs)
foreach(page ${LUMARET_MAN_PAGES})
  set(source "${CMAKE_SOURCE_DIR}/man/${page}")
  if(GZIP_PROGRAM)
    set(output "${CMAKE_BINARY_DIR}/man/${page}.gz")
    # -n leaves the name and time stamp out, so the same page gives the same bytes.
    add_custom_command(OUTPUT "${output}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/man"
      COMMAND ${GZIP_PROGRAM} -9 -n -c "${source}" > "${output}"
      DEPENDS "${source}" VERBATIM)
  else()
    set(output "${source}")
  endif()
  list(APPEND man_outputs "${output}")
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_outputs})
install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${LUMARET_INSTALL_COMPONENT})
