# Warnings for the project's own targets: on, and clean.
function(hkcal_enable_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${HKCAL_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
      $<$<BOOL:${HKCAL_WERROR}>:-Werror>)
  endif()
endfunction()
