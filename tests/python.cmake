# The Python package from the source tree against this build's libraries and
# tool: its tests (pytest), mypy --strict over it and a user's script, and
# the Dask cluster test. Python loads the libraries itself, which a sanitizer
# build's cannot be; a cross build's are not for this machine.
if(NOT CMAKE_CROSSCOMPILING AND NOT WIN32 AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize" AND TARGET hkcal_tool)
  set(environment PYTHONPATH=${PROJECT_SOURCE_DIR}/python HKCAL_LIBRARY_DIR=$<TARGET_FILE_DIR:hkcal_hk>
                  HKCAL_TOOL=$<TARGET_FILE:hkcal_tool> PYTHONDONTWRITEBYTECODE=1)
  hkcal_add_python_test(NAME python.package
                        NEEDS pytest=python3-pytest numpy=python3-numpy pandas=python3-pandas mypy=mypy
                        COMMAND ${PROJECT_SOURCE_DIR}/python/tests/test_hkcal.py)
  hkcal_add_python_test(NAME python.dask
                        NEEDS pytest=python3-pytest pandas=python3-pandas dask=python3-dask distributed=python3-distributed
                        COMMAND ${PROJECT_SOURCE_DIR}/python/tests/test_dask.py)
  set_tests_properties(python.package python.dask PROPERTIES ENVIRONMENT "${environment}")
endif()
