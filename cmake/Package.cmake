# make package: a Debian package built by CPack from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pomuri)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The project has no address of its own: the package names whoever builds it, as Debian's tools do
# (DEBFULLNAME and DEBEMAIL, else this machine's user and host name).
if(DEFINED ENV{DEBEMAIL})
  set(packager_address "$ENV{DEBEMAIL}")
else()
  cmake_host_system_information(RESULT packager_host QUERY FQDN)
  execute_process(COMMAND id -un OUTPUT_VARIABLE packager_user OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(packager_address "${packager_user}@${packager_host}")
endif()
if(DEFINED ENV{DEBFULLNAME})
  set(POMURI_PACKAGER "$ENV{DEBFULLNAME} <${packager_address}>")
else()
  set(POMURI_PACKAGER "pomuri packager <${packager_address}>")
endif()
set(CPACK_PACKAGE_CONTACT "${POMURI_PACKAGER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small translucent analog desktop clock")
set(CPACK_PACKAGE_DESCRIPTION "A borderless, translucent, round analog clock for the desktop
with hour, minute and second hands and a digital readout in 24-hour or
12-hour notation. Clicking the readout shows the date, the clock can be
dragged anywhere, and its right-click menu opens the settings: opacity,
notation, stacking and exit behaviour. The user interface is Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the layout's font and Qt's own Japanese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian keeps a copyright file and the package's change log beside every package's documents.
configure_file(resources/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
set(debian_changelog ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${debian_changelog}
  COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/changelog > ${debian_changelog}
  DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${debian_changelog})
install(FILES resources/debian/copyright ${debian_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
