# The hkcal command-line tool, run by tests/cli/cli_test.py (golden outputs
# and error messages, every parser's accepted and rejected texts among them;
# its JSON, CSV and iCalendar output read by real parsers:
# Debian's python3 with python3-icalendar, and closed or full outputs).
if(TARGET hkcal_tool)
  # Debian's interpreter, which has python3-icalendar; another python3 found
  # first on PATH may lack it.
  find_program(HKCAL_CLI_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
  if(NOT HKCAL_CLI_PYTHON)
    find_program(HKCAL_CLI_PYTHON python3 REQUIRED)
  endif()
  foreach(group golden parsers pipes)
    add_test(NAME cli.${group}
             COMMAND ${HKCAL_CLI_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/cli/cli_test.py ${group} $<TARGET_FILE:hkcal_tool>)
  endforeach()
endif()
