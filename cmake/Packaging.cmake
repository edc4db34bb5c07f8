# Installation and the Debian package: the programs, a desktop entry and the
# icon. `cpack` in a Release build folder writes navbin-monitor_<version>_<arch>.deb
# (scripts/package does it all).

include(GNUInstallDirs)

foreach(program navbin-monitor navbin-sim navbin-dump navbin-log)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
if(TARGET navbin-log)
  # The service unit, not enabled; its options file is an example to copy.
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/navbin-log.service
          DESTINATION lib/systemd/system)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/navbin-log.default
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/navbin-monitor)
endif()
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/navbin-monitor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/navbin-monitor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# `cpack` installs what was built instead of building every target (tests,
# benchmarks) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME navbin-monitor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Monitor and configuration tool for NavBin GPS receivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows a GPS receiver's fix, time, satellites, health and timing outputs live, resets and
configures it over a serial line, and watches up to 16 receivers at once. Includes a simulated
receiver (navbin-sim), a packet printer (navbin-dump) and unattended logging without a display
(navbin-log, with a systemd unit).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NavBin Monitor developers <navbin-monitor@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt runtime the programs link against, and the platform plugins the
# windows need to open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins")
include(CPack)
