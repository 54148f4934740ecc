# The hkcal command-line tool: a unit test of its iCalendar folding, and the
# built tool run by tests/cli/cli_test.py (golden outputs and error messages,
# every parser's accepted and rejected texts among them, the
# holiday rules, its JSON, CSV and iCalendar output read by real parsers:
# Debian's python3 with python3-icalendar, and closed or full outputs).
if(TARGET hkcal_tool)
  add_executable(test_cli_modules
    ${CMAKE_CURRENT_SOURCE_DIR}/cli/test_format.cpp)
  target_link_libraries(test_cli_modules PRIVATE hkcal_tool_core GTest::gtest GTest::gtest_main)
  hkcal_enable_warnings(test_cli_modules)
  gtest_discover_tests(test_cli_modules DISCOVERY_TIMEOUT 60)

  # Debian's interpreter, which has python3-icalendar; another python3 found
  # first on PATH may lack it.
  find_program(HKCAL_CLI_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
  if(NOT HKCAL_CLI_PYTHON)
    find_program(HKCAL_CLI_PYTHON python3 REQUIRED)
  endif()
  foreach(group golden rules parsers pipes)
    add_test(NAME cli.${group}
             COMMAND ${HKCAL_CLI_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/cli/cli_test.py ${group} $<TARGET_FILE:hkcal_tool>)
  endforeach()
endif()
