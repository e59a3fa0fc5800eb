# The installer's test under Wine: a silent install and uninstall in a copy of the build's booted
# Wine prefix (cmake/WineTests.cmake), checked in System32 and in the registry.
add_test(NAME WindowsInstaller.silentInstallAndUninstall
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/installer-under-wine.sh
                 ${PROJECT_SOURCE_DIR}/cmake/run-in-wine.sh ${CMAKE_BINARY_DIR}/wineprefix
                 $<TARGET_FILE:tikora-clock-scr> ${CMAKE_BINARY_DIR}/tikora-clock-setup.exe
                 ${CMAKE_CURRENT_BINARY_DIR}/installer-prefix)
set_tests_properties(WindowsInstaller.silentInstallAndUninstall
                     PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 300)
