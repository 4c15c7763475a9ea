# The Windows tests beyond the GoogleTest suites: the window under Wine in a
# private Xvfb, and the two builds' banks side by side.
set(wine_run ${PROJECT_SOURCE_DIR}/tools/wine.sh ${CMAKE_BINARY_DIR}/wine)

set(ORVANEL_LINUX_BANK_TOOL "" CACHE FILEPATH "orvanel-bank of the Linux build, to hold the banks side by side")
if(ORVANEL_LINUX_BANK_TOOL)
  add_test(NAME bank_tool_across
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/bank_tool_across.sh ${ORVANEL_LINUX_BANK_TOOL} ${wine_run}
            $<TARGET_FILE:orvanel-bank>)
endif()

# The window's own tests, in a real window station.
add_executable(window_tests win32/window_test.cpp ${PROJECT_SOURCE_DIR}/platform/win32/resources.rc)
target_link_libraries(window_tests PRIVATE orvanel_ui GTest::gtest_main)
target_include_directories(window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME window_tests
  COMMAND ${PROJECT_SOURCE_DIR}/tools/wine_xvfb.sh ${CMAKE_BINARY_DIR}/wine ${wine_run} $<TARGET_FILE:window_tests>)

# Looks at another program's windows for the end-to-end test.
add_executable(window_probe win32/window_probe.cpp)
target_link_libraries(window_probe PRIVATE orvanel_core)

add_test(NAME windows_end_to_end
  COMMAND ${PROJECT_SOURCE_DIR}/tools/wine_xvfb.sh ${CMAKE_BINARY_DIR}/wine
          ${CMAKE_CURRENT_SOURCE_DIR}/win32/end_to_end.sh ${wine_run} $<TARGET_FILE:orvanel>
          $<TARGET_FILE:orvanel-bank> $<TARGET_FILE:window_probe>)
set_tests_properties(window_tests windows_end_to_end PROPERTIES RUN_SERIAL ON TIMEOUT 180)
