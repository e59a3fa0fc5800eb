# The tests of a Windows build made on Linux with cmake/mingw-w64.cmake, run under Wine by
# CMAKE_CROSSCOMPILING_EMULATOR (cmake/run-in-wine.sh with the build folder's own Wine prefix).
# Included by tests/CMakeLists.txt in place of find_package(GTest); after the test folders are
# added, tikora_wine_fixture() makes every discovered test wait for the prefix.

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    message(FATAL_ERROR "The Windows tests run under Wine: configure with "
                        "--toolchain cmake/mingw-w64.cmake")
endif()

# GoogleTest, built by the same compiler from Debian's sources (the package googletest), gives
# GTest::gtest and GTest::gtest_main as find_package(GTest) does.
set(TIKORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "The sources of GoogleTest")
if(NOT EXISTS ${TIKORA_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources are not in ${TIKORA_GOOGLETEST_SOURCE}: "
                        "install the package googletest")
endif()
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
# The tests and GoogleTest share one C runtime (this matters to MSVC only).
set(gtest_force_shared_crt ON)
add_subdirectory(${TIKORA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The tests are listed when ctest runs, not when they are built, so that building runs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# Listing the tests runs them under Wine, and a new prefix takes longer to make than a listing
# may take: ctest makes the prefix when it reads this folder's tests, before the folders below.
set(TIKORA_WINE_BOOT_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/WinePrefixBoot.cmake)
list(JOIN CMAKE_CROSSCOMPILING_EMULATOR "\" \"" TIKORA_WINE_COMMAND)
file(WRITE ${TIKORA_WINE_BOOT_SCRIPT}
     "execute_process(COMMAND \"${TIKORA_WINE_COMMAND}\" --boot)\n")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${TIKORA_WINE_BOOT_SCRIPT})

# The fixture that every test needs: the prefix booted before the first test, its wineserver
# ended after the last.
add_test(NAME WinePrefix.boot COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --boot)
add_test(NAME WinePrefix.stop COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --stop)
set_tests_properties(WinePrefix.boot PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
set_tests_properties(WinePrefix.stop PROPERTIES FIXTURES_CLEANUP wine_prefix)

# Makes the tests that gtest_discover_tests() finds in `directory` and the folders below it
# require the prefix. They exist only once ctest has listed them, into the variable
# <target>_TESTS, so a script that ctest reads after the listing sets the property.
function(tikora_wine_fixture directory)
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        tikora_wine_fixture(${subdirectory})
    endforeach()
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    set(script)
    foreach(target IN LISTS targets)
        get_property(discovered TARGET ${target} PROPERTY CTEST_DISCOVERED_TEST_COUNTER SET)
        if(discovered)
            string(APPEND script "if(${target}_TESTS)\n"
                   "    set_tests_properties(\${${target}_TESTS}\n"
                   "                         PROPERTIES FIXTURES_REQUIRED wine_prefix)\n"
                   "endif()\n")
        endif()
    endforeach()
    if(script)
        get_property(binary_dir DIRECTORY ${directory} PROPERTY BINARY_DIR)
        file(WRITE ${binary_dir}/WinePrefixRequired.cmake "${script}")
        set_property(DIRECTORY ${directory} APPEND PROPERTY TEST_INCLUDE_FILES
                                                            ${binary_dir}/WinePrefixRequired.cmake)
    endif()
endfunction()
