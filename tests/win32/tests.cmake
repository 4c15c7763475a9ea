# The Windows tests beyond the GoogleTest suites: the window under Wine in a
# private Xvfb, and the two builds' banks side by side.
set(wine_run ${PROJECT_SOURCE_DIR}/tools/wine.sh ${CMAKE_BINARY_DIR}/wine)

set(ORVANEL_LINUX_BANK_TOOL "" CACHE FILEPATH "orvanel-bank of the Linux build, to hold the banks side by side")
if(ORVANEL_LINUX_BANK_TOOL)
  add_test(NAME bank_tool_across
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/bank_tool_across.sh ${ORVANEL_LINUX_BANK_TOOL} ${wine_run}
            $<TARGET_FILE:orvanel-bank>)
endif()
