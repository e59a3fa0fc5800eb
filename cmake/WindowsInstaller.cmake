# The Windows installer, tikora-clock-setup.exe in the build folder, made by makensis (Debian's
# package nsis) from the screen saver of the same build. Included by the top CMakeLists.txt.

find_program(TIKORA_MAKENSIS makensis)
if(NOT TIKORA_MAKENSIS)
    message(FATAL_ERROR "makensis builds the Windows installer: install the package nsis")
endif()

# The installer's version information takes four numbers: 0.1 is 0.1.0.0.
string(REGEX MATCHALL "[0-9]+" TIKORA_VERSION_PARTS "${PROJECT_VERSION}.0.0.0")
list(SUBLIST TIKORA_VERSION_PARTS 0 4 TIKORA_VERSION_PARTS)
list(JOIN TIKORA_VERSION_PARTS "." TIKORA_VERSION_NUMBERS)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE TIKORA_COPYRIGHT_LINE REGEX "^Copyright" LIMIT_COUNT 1)

set(TIKORA_SETUP ${CMAKE_BINARY_DIR}/tikora-clock-setup.exe)
set(TIKORA_SETUP_SCRIPT ${PROJECT_SOURCE_DIR}/src/win32/installer/tikora-clock.nsi)
set(TIKORA_ICON ${PROJECT_SOURCE_DIR}/src/win32/resources/tikora-clock.ico)
add_custom_command(
    OUTPUT ${TIKORA_SETUP}
    COMMAND ${TIKORA_MAKENSIS} -V2 -WX "-DSCREEN_SAVER=$<TARGET_FILE:tikora-clock-scr>"
            "-DICON=${TIKORA_ICON}" "-DVERSION=${PROJECT_VERSION}"
            "-DVERSION_NUMBERS=${TIKORA_VERSION_NUMBERS}" "-DCOPYRIGHT=${TIKORA_COPYRIGHT_LINE}"
            "-DOUTPUT=${TIKORA_SETUP}" ${TIKORA_SETUP_SCRIPT}
    DEPENDS tikora-clock-scr ${TIKORA_SETUP_SCRIPT} ${TIKORA_ICON}
    COMMENT "Making the installer tikora-clock-setup.exe"
    VERBATIM)
add_custom_target(tikora-clock-setup ALL DEPENDS ${TIKORA_SETUP})
