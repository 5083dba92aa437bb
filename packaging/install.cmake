# Installing and packaging: `cmake --install` lays out the programs, the sound library, the sounds,
# the phrase file, a desktop entry and the icons under the prefix; `cpack` makes a Debian package
# of the same. The client finds its data relative to its own folder (src/posix/client_folders.h,
# src/desktop/loaded_sound_device.h), so the layout below is fixed relative to the prefix.
include(GNUInstallDirs)

if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "The client looks for its data in ../share/tlj beside its bin/ folder; "
                  "with CMAKE_INSTALL_BINDIR=${CMAKE_INSTALL_BINDIR} and "
                  "CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} it will not find it.")
endif()
# Private to the client, and at a place it knows without a multiarch folder in between.
set(TLJ_INSTALL_LIBDIR lib/tlj)
set(TLJ_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tlj)

install(TARGETS tlj tlj-server tlj-lobby RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tlj_qt_sound)
  install(TARGETS tlj_qt_sound LIBRARY DESTINATION ${TLJ_INSTALL_LIBDIR})
endif()
# The sounds tlj-soundgen wrote (music/, tlj/, beiling/) and the phrase file in GBK.
install(DIRECTORY ${PROJECT_BINARY_DIR}/common DESTINATION ${TLJ_INSTALL_DATADIR})
install(FILES ${PROJECT_BINARY_DIR}/bin/chat.txt DESTINATION ${TLJ_INSTALL_DATADIR})

# The desktop entry starts the lobby substitute's demo: started alone, the client only says
# that it needs the lobby.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tlj.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icons, drawn by tlj-artgen in the style of the table window's icon.
set(TLJ_ICON_DIR ${PROJECT_BINARY_DIR}/packaging/icons)
set(TLJ_ICONS_STAMP ${PROJECT_BINARY_DIR}/packaging/icons.stamp)
add_custom_command(
  OUTPUT ${TLJ_ICONS_STAMP}
  COMMAND tlj-artgen --icons ${TLJ_ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${TLJ_ICONS_STAMP}
  DEPENDS tlj-artgen
  COMMENT "Drawing the icons"
  VERBATIM)
add_custom_target(tlj_icons ALL DEPENDS ${TLJ_ICONS_STAMP})
install(DIRECTORY ${TLJ_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The Debian package. Its dependencies come from the libraries the programs link
# (dpkg-shlibdeps); the font is the one the desktop draws the table's text in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tlj)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "tlj")
set(CPACK_PACKAGE_CONTACT "tlj maintainers <tlj@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four-player betting card game: table client and server")
set(CPACK_PACKAGE_DESCRIPTION "The table client tlj, the reference game server tlj-server and \
the lobby substitute tlj-lobby, whose demo seats you at a table with three bots.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
include(CPack)

# The package built, unpacked into a temporary root and run there: a build of some minutes'
# worth of packing, so it carries the label "package" (ctest -LE package leaves it out).
if(TLJ_BUILD_TESTS)
  add_test(NAME Package.InstallsAndRunsFromAnUnpackedRoot
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-deb ${PROJECT_BINARY_DIR})
  set_tests_properties(Package.InstallsAndRunsFromAnUnpackedRoot PROPERTIES LABELS package
                                                                            TIMEOUT 900)
  # The installed-layout tests of tests/app install the build: everything installed must be
  # built first.
  if(TARGET test_app)
    add_dependencies(test_app tlj-server tlj-lobby tlj_icons)
    if(TARGET tlj_qt_sound)
      add_dependencies(test_app tlj_qt_sound)
    endif()
  endif()
endif()
