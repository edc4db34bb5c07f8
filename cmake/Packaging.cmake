# Installation and the Debian package: the programs with their manual pages,
# a desktop entry with its icon and AppStream metainfo, the copyright file and
# the changelog. `cpack` in a Release build folder writes
# navbin-monitor_<version>_<arch>.deb (scripts/package does it all).

include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(navbin_doc ${CMAKE_INSTALL_DATADIR}/doc/navbin-monitor)
set(navbin_packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
# The desktop entry and the metainfo are named after the AppStream id.
set(navbin_app_id invalid.navbin.monitor)

# Installs `source` compressed as Debian wants it (gzip -9n: no name, no time,
# so the same file gives the same bytes) under `destination` as `name`.gz.
# Compressed when CMake configures; an edited source configures again.
function(navbin_install_gzipped source destination name)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${compressed}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${source}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()

foreach(program navbin-monitor navbin-sim navbin-dump navbin-log navbin-stability navbin-config)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    navbin_install_gzipped(${navbin_packaging}/man/${program}.1 ${CMAKE_INSTALL_MANDIR}/man1
                           ${program}.1)
  endif()
endforeach()
if(TARGET navbin-log)
  # The service unit, not enabled; its options file is an example to copy.
  install(FILES ${navbin_packaging}/navbin-log.service DESTINATION lib/systemd/system)
  install(FILES ${navbin_packaging}/navbin-log.default DESTINATION ${navbin_doc})
  # Examples for watching many receivers: a scrape configuration, alert rules
  # and a dashboard.
  install(FILES ${navbin_packaging}/prometheus/prometheus.yml
                ${navbin_packaging}/prometheus/navbin-alerts.yml
                ${navbin_packaging}/prometheus/navbin-dashboard.json
          DESTINATION ${navbin_doc}/prometheus)
endif()
install(FILES ${navbin_packaging}/navbin-monitor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${navbin_app_id}.desktop)
install(FILES ${navbin_packaging}/navbin-monitor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME ${navbin_app_id}.metainfo.xml)
install(FILES ${navbin_packaging}/navbin-monitor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${navbin_packaging}/copyright DESTINATION ${navbin_doc})

# The changelog's newest entry is this version's.
file(STRINGS ${navbin_packaging}/changelog navbin_changelog_top LIMIT_COUNT 1)
if(NOT navbin_changelog_top MATCHES "^navbin-monitor \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: add an entry for version ${PROJECT_VERSION} on top")
endif()
navbin_install_gzipped(${navbin_packaging}/changelog ${navbin_doc} changelog)

# `cpack` installs what was built instead of building every target (tests,
# benchmarks) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME navbin-monitor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Monitor and configuration tool for NavBin GPS receivers")
# The lines of the long description stay within Debian's 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Shows a GPS receiver's fix, time, satellites, health and timing outputs
live, resets and configures it over a serial line, and watches up to 16
receivers at once. Includes a simulated receiver (navbin-sim), a packet
printer (navbin-dump) and unattended logging without a display (navbin-log,
with a systemd unit).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NavBin Monitor developers <navbin-monitor@navbin.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link against come from dpkg-shlibdeps; the
# platform plugins the windows need to open are loaded at run time, so named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
