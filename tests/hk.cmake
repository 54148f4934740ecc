# The generator reproduces the committed tables of the Hong Kong library. The tables are
# data, the same on every platform: the native build checks them, a cross build does not.
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME hk.tables_regenerate
           COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:hk_generate> -DOUT=${CMAKE_CURRENT_BINARY_DIR}/hk_tables
                   -DSOURCE=${PROJECT_SOURCE_DIR}/src/hk -P ${CMAKE_CURRENT_SOURCE_DIR}/hk/regenerate.cmake)
endif()
