# The generator reproduces the committed tables of the Hong Kong library. The tables are
# data, the same on every platform: the native build checks them, a cross build does not.
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME hk.tables_regenerate
           COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:hk_generate> -DOUT=${CMAKE_CURRENT_BINARY_DIR}/hk_tables
                   -DSOURCE=${PROJECT_SOURCE_DIR}/src/hk -P ${CMAKE_CURRENT_SOURCE_DIR}/hk/regenerate.cmake)
endif()

# Every day against Debian's python3-lunardate and every solar term against
# python3-ephem, when Debian's interpreter has them.
find_program(HKCAL_DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(HKCAL_DEBIAN_PYTHON AND NOT CMAKE_CROSSCOMPILING AND NOT WIN32)
  execute_process(COMMAND ${HKCAL_DEBIAN_PYTHON} -c "import lunardate" RESULT_VARIABLE HKCAL_NO_LUNARDATE OUTPUT_QUIET ERROR_QUIET)
  # Python loads the library itself, which a sanitizer build's cannot be.
  if(HKCAL_NO_LUNARDATE EQUAL 0 AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
    add_test(NAME hk.lunardate COMMAND ${HKCAL_DEBIAN_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/hk/lunardate_check.py $<TARGET_FILE_DIR:hkcal_hk>)
  endif()
  # Every year's terms, as the tool prints them, against Debian's python3-ephem.
  execute_process(COMMAND ${HKCAL_DEBIAN_PYTHON} -c "import ephem" RESULT_VARIABLE HKCAL_NO_EPHEM OUTPUT_QUIET ERROR_QUIET)
  if(HKCAL_NO_EPHEM EQUAL 0 AND TARGET hkcal_tool)
    add_test(NAME hk.terms_ephem COMMAND ${HKCAL_DEBIAN_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/hk/ephem_check.py $<TARGET_FILE:hkcal_tool>)
  endif()
endif()
