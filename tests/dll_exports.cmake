# The export tables of hkcal.dll and hkcal_hk.dll and their .def files:
# exactly the functions of their headers, under their own undecorated names.
if(MINGW)
  foreach(lib IN ITEMS hkcal:hkcal.h:HKCAL_API hkcal_hk:hkcal_hk.h:HKCAL_HK_API)
    string(REPLACE ":" ";" parts ${lib})
    list(GET parts 0 target)
    list(GET parts 1 header)
    list(GET parts 2 macro)
    add_test(NAME dll_exports_${target}
      COMMAND ${CMAKE_COMMAND}
        -DOBJDUMP=${CMAKE_OBJDUMP}
        -DDLL=$<TARGET_FILE:${target}>
        -DDEF=$<TARGET_LINKER_FILE_DIR:${target}>/${target}.def
        -DHEADER=${PROJECT_SOURCE_DIR}/include/${header}
        -DMACRO=${macro}
        -P ${PROJECT_SOURCE_DIR}/cmake/check_dll_exports.cmake)
  endforeach()
endif()
