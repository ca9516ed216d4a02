# What `cmake --install` puts where, and the packages CPack makes of it: a Debian package on Linux
# (`cpack -G DEB`), a ZIP archive from the Windows cross-build (`cpack -G ZIP`).
set(STUDIO_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

if(WIN32)
  # Everything in one folder, as Windows users unpack it; the programs carry their own resources.
  install(TARGETS studio firstperson RUNTIME DESTINATION .)
  install(FILES README.md DESTINATION . RENAME README.txt)
  install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
  set(CPACK_GENERATOR ZIP)
else()
  include(GNUInstallDirs)
  install(TARGETS studio firstperson RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${STUDIO_RESOURCES}/linux/studio3d-studio.desktop ${STUDIO_RESOURCES}/linux/studio3d-firstperson.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # The menu icon at the usual sizes, taken at build time from the Windows icon's own images.
  add_executable(icon_pngs ${PROJECT_SOURCE_DIR}/tools/icon_pngs.cpp)
  set(icon ${STUDIO_RESOURCES}/windows/studio.ico)
  set(icon_sizes 16 24 32 48 64 128 256)
  set(icon_pngs)
  foreach(size ${icon_sizes})
    set(png ${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps/studio3d.png)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_command(OUTPUT ${icon_pngs}
    COMMAND icon_pngs ${icon} ${PROJECT_BINARY_DIR}/icons studio3d
    DEPENDS icon_pngs ${icon}
    COMMENT "Taking the menu icons from ${icon}")
  add_custom_target(menu_icons ALL DEPENDS ${icon_pngs})

  # The software centres' description of the project, naming both menu entries.
  # Its releases, as the changelog's, are the project's history, kept by hand.
  configure_file(${STUDIO_RESOURCES}/linux/dev.studio3d.studio3d.metainfo.xml.in
                 metainfo/dev.studio3d.studio3d.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/metainfo/dev.studio3d.studio3d.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The manual pages show the version in their footer. They and the changelog are installed compressed, as
  # Debian lays them out; gzip -n leaves the time and name out, so that a build gives the same bytes again.
  configure_file(${STUDIO_RESOURCES}/man/studio.1.in man/studio.1 @ONLY)
  configure_file(${STUDIO_RESOURCES}/man/firstperson.6.in man/firstperson.6 @ONLY)
  configure_file(${STUDIO_RESOURCES}/linux/changelog changelog COPYONLY)
  set(compressed_docs)
  foreach(document man/studio.1 man/firstperson.6 changelog)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${document}.gz
      COMMAND gzip -9 -n -c ${PROJECT_BINARY_DIR}/${document} > ${PROJECT_BINARY_DIR}/${document}.gz
      DEPENDS ${PROJECT_BINARY_DIR}/${document}
      VERBATIM)
    list(APPEND compressed_docs ${PROJECT_BINARY_DIR}/${document}.gz)
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS ${compressed_docs})
  install(FILES ${PROJECT_BINARY_DIR}/man/studio.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/man/firstperson.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # The README's pictures beside it, where its links look for them.
  file(GLOB readme_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png)
  install(FILES ${readme_pictures} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

  # Debian's machine-readable copyright file, holding the licence's text.
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" copyright "${licence}")
  set(copyright ${CMAKE_MATCH_1})
  string(STRIP "${licence}" licence)
  string(REPLACE "\n\n" "\n.\n" licence "${licence}")
  string(REPLACE "\n" "\n " licence "${licence}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
  file(CONFIGURE OUTPUT copyright CONTENT [[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@
Source: @PROJECT_HOMEPAGE_URL@

Files: *
Copyright: @copyright@
License: Expat
 @licence@
]] @ONLY)
  install(FILES README.md LICENSE ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

  set(CPACK_GENERATOR DEB)
endif()

set(STUDIO_PACKAGE_MAINTAINER "The Studio 3D developers <developers@studio3d.dev>"
    CACHE STRING "Maintainer of the Debian package: name and e-mail address")
set(CPACK_PACKAGE_VENDOR "The Studio 3D developers")
set(CPACK_PACKAGE_CONTACT "${STUDIO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Two programs whose models are all built procedurally from primitive meshes and moved by a
simple motion model: studio, a viewer that orbits the camera around a van, a tank, a triplane
or a tree, and firstperson, a first-person game of shooting down triplanes that circle a round
arena. Both are played with the keyboard or a joystick.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The run-time libraries are found from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
