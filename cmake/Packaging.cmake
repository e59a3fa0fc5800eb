# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` installs.
set(CPACK_PACKAGE_NAME tikora-clock)
set(CPACK_PACKAGE_VENDOR "Tikora Clock")
set(CPACK_PACKAGE_CONTACT "Tikora Clock developers <tikora-clock@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clock screen saver made of circles")
set(CPACK_PACKAGE_DESCRIPTION
    "A clock of circles that turn round a centre picture like the hands of a clock,\n with its own settings dialog, for XScreenSaver or on its own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package installs every file, as `cmake --install` does, but under the name of the files'
# component, so that its list of installed files goes to install_manifest_Unspecified.txt and
# leaves install_manifest.txt, which `cmake --build build --target uninstall` reads, alone.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; Qt's X11 platform plug-in and a
# font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")
include(CPack)

# Takes away what `cmake --install` put in place, as its list of installed files names it.
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -D MANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
            -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
    VERBATIM)
