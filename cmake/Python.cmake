# The one Python rule: the tests and CI run Debian's interpreter,
# /usr/bin/python3, which has the Debian modules .ci/deps installs
# (python3-icalendar, python3-lunardate, python3-ephem, python3-pytest,
# python3-numpy); a python3 found first on PATH (pyenv, a venv) may lack
# them. -DHKCAL_PYTHON=/path/to/python3 overrides it.
#   include(cmake/Python.cmake)            in CMake: ${HKCAL_PYTHON}, hkcal_add_python_test()
#   py="$(cmake -P cmake/Python.cmake)"    in a script: prints the interpreter
find_program(HKCAL_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH
             DOC "The Python interpreter of the tests: Debian's, with Debian's modules")
if(NOT HKCAL_PYTHON)
  find_program(HKCAL_PYTHON python3)
endif()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT HKCAL_PYTHON)
    message(FATAL_ERROR "no python3 found; install Debian's python3 (.ci/deps does)")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${HKCAL_PYTHON}")
  return()
endif()

set(HKCAL_PYTHON_RUNNER ${CMAKE_CURRENT_LIST_DIR}/python_test.py)

# hkcal_add_python_test(NAME name NEEDS module=debian-package... COMMAND script args...)
# A test run by ${HKCAL_PYTHON}. When the interpreter lacks a module the
# script needs, the test fails with one line naming the Debian package to
# install: it is never skipped.
function(hkcal_add_python_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "NEEDS;COMMAND")
  if(NOT HKCAL_PYTHON)
    message(FATAL_ERROR "${arg_NAME} needs python3; install Debian's python3 (.ci/deps does)")
  endif()
  string(JOIN "," needs ${arg_NEEDS})
  add_test(NAME ${arg_NAME} COMMAND ${HKCAL_PYTHON} ${HKCAL_PYTHON_RUNNER} "${needs}" ${arg_COMMAND})
endfunction()
