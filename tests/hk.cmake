# The generator reproduces the committed tables of the Hong Kong library. The tables are
# data, the same on every platform: the native build checks them, a cross build does not.
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME hk.tables_regenerate
           COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:hk_generate> -DOUT=${CMAKE_CURRENT_BINARY_DIR}/hk_tables
                   -DSOURCE=${PROJECT_SOURCE_DIR}/src/hk -P ${CMAKE_CURRENT_SOURCE_DIR}/hk/regenerate.cmake)
endif()

# Every day against Debian's python3-lunardate and every solar term against
# python3-ephem. Python loads the library itself, which a sanitizer build's
# cannot be; a cross build's is not for this machine.
if(NOT CMAKE_CROSSCOMPILING AND NOT WIN32)
  if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
    hkcal_add_python_test(NAME hk.lunardate NEEDS lunardate=python3-lunardate
                          COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/hk/lunardate_check.py $<TARGET_FILE_DIR:hkcal_hk>)
  endif()
  # Every year's terms, as the tool prints them.
  if(TARGET hkcal_tool)
    hkcal_add_python_test(NAME hk.terms_ephem NEEDS ephem=python3-ephem
                          COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/hk/ephem_check.py $<TARGET_FILE:hkcal_tool>)
  endif()
endif()
