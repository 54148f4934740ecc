# Each shared library's dynamic symbol table holds exactly the functions its
# public header declares, and imports no allocator (ELF platforms, where
# nm -D reads it).
if(UNIX AND NOT APPLE)
  if(CMAKE_NM)
    set(HKCAL_NM ${CMAKE_NM})
  else()
    set(HKCAL_NM nm)
  endif()
  add_test(NAME exports_hkcal
           COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/check_exports.sh ${HKCAL_NM}
                   $<TARGET_FILE:hkcal> ${PROJECT_SOURCE_DIR}/include/hkcal.h HKCAL_API)
  add_test(NAME exports_hkcal_hk
           COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/check_exports.sh ${HKCAL_NM}
                   $<TARGET_FILE:hkcal_hk> ${PROJECT_SOURCE_DIR}/include/hkcal_hk.h HKCAL_HK_API
                   ${PROJECT_SOURCE_DIR}/include/hkcal.h HKCAL_API)
endif()
