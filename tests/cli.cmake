# The hkcal command-line tool, run by tests/cli/cli_test.py (golden outputs
# and error messages, every parser's accepted and rejected texts among them;
# its JSON, CSV and iCalendar output read by real parsers: python3-icalendar,
# and closed or full outputs; the exchange's days of 1997-2025 day by day).
if(TARGET hkcal_tool)
  foreach(group golden parsers pipes exchange)
    hkcal_add_python_test(NAME cli.${group} NEEDS icalendar=python3-icalendar
                          COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/cli_test.py ${group} $<TARGET_FILE:hkcal_tool>)
  endforeach()
endif()
