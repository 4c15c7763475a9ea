# The Windows programs, cross-built with platform/win32/toolchain.cmake:
# orvanel.exe (the window layer on Win32, the picture as a resource),
# orvanel-bank.exe, the zip for users, and their tests, which run under Wine
# in a prefix of this build's own.

# Every test program runs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine.sh ${CMAKE_BINARY_DIR}/wine)

# The user's zip: both programs and a short text on how to use them.
configure_file(platform/win32/README.txt.in README.txt NEWLINE_STYLE WIN32)
set(zip orvanel-${PROJECT_VERSION}-windows.zip)
add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip orvanel-bank.exe README.txt
  DEPENDS orvanel-bank ${CMAKE_BINARY_DIR}/README.txt
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${zip})

include(CTest)
if(BUILD_TESTING)
  add_subdirectory(tests)
endif()
