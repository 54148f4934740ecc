# The export table of hkcal.dll and its .def file: exactly the library's
# functions, under their own undecorated names.
if(MINGW)
  add_test(NAME dll_exports
    COMMAND ${CMAKE_COMMAND}
      -DOBJDUMP=${CMAKE_OBJDUMP}
      -DDLL=$<TARGET_FILE:hkcal>
      -DDEF=$<TARGET_LINKER_FILE_DIR:hkcal>/hkcal.def
      -DMAP=${PROJECT_SOURCE_DIR}/cmake/hkcal.map
      -P ${PROJECT_SOURCE_DIR}/cmake/check_dll_exports.cmake)
endif()
