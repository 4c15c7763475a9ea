# The Windows programs, cross-built with platform/win32/toolchain.cmake:
# orvanel.exe (the window layer on Win32, the picture as a resource),
# orvanel-bank.exe, the zip for users, and their tests, which run under Wine
# in a prefix of this build's own.

# Windows' wide calls are the ones its names stand for.
add_compile_definitions(UNICODE _UNICODE)

# Every test program runs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine.sh ${CMAKE_BINARY_DIR}/wine)

# The window layer on Win32: no toolkit, only Windows' own DLLs.
add_library(orvanel_platform STATIC
  platform/win32/application.cpp
  platform/win32/application_title.cpp
  platform/win32/controls.cpp
  platform/win32/form.cpp
  platform/win32/message_dialog.cpp
  platform/win32/picture.cpp
  platform/win32/save_dialog.cpp
  platform/win32/shell.cpp
  platform/win32/window_class.cpp
)
# comdlg32 and shell32 are loaded when the dialog or the shell is first used.
target_link_libraries(orvanel_platform PUBLIC orvanel_forms user32 gdi32)

add_library(orvanel_ui STATIC ui/rand1.cpp)
target_link_libraries(orvanel_ui PUBLIC orvanel_platform)

# A window program, with no console; its picture is a bitmap resource.
add_executable(orvanel WIN32 app/main.cpp platform/win32/resources.rc)
target_link_libraries(orvanel PRIVATE orvanel_ui)

# The user's zip: both programs and a short text on how to use them.
configure_file(platform/win32/README.txt.in README.txt NEWLINE_STYLE WIN32)
set(zip orvanel-${PROJECT_VERSION}-windows.zip)
add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip orvanel.exe orvanel-bank.exe README.txt
  DEPENDS orvanel orvanel-bank ${CMAKE_BINARY_DIR}/README.txt
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${zip})

# The start-up floor of bench/startup_windows.sh: a bare Win32 program.
if(ORVANEL_BENCHMARKS)
  add_executable(startup_floor_win32 WIN32 bench/startup_floor_win32.cpp)
  set_target_properties(startup_floor_win32 PROPERTIES RUNTIME_OUTPUT_DIRECTORY bench)
endif()

include(CTest)
if(BUILD_TESTING)
  add_subdirectory(tests)
endif()
