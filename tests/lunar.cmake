# The lunar tests also compare the table with ICU's Chinese calendar when
# ICU is installed.
find_package(ICU COMPONENTS uc i18n)
if(ICU_FOUND AND TARGET test_lunar)
  target_link_libraries(test_lunar PRIVATE ICU::uc ICU::i18n)
  target_compile_definitions(test_lunar PRIVATE HKCAL_HAVE_ICU)
endif()
