# The public headers are the one list of each library's exports: a function
# is exported when its declaration starts a line with the library's API
# macro ("HKCAL_API int32_t leap_year(int32_t year);").

# The sorted names a header declares with an API macro.
function(hkcal_declared_names header macro out)
  file(STRINGS ${header} lines REGEX "^${macro} ")
  set(names)
  foreach(line IN LISTS lines)
    if(line MATCHES "([A-Za-z_][A-Za-z0-9_]*)\\(")
      list(APPEND names ${CMAKE_MATCH_1})
    endif()
  endforeach()
  list(SORT names)
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Links <target> on ELF platforms with a version script made from the header,
# so that it exports exactly the declared functions and no C++ runtime symbol.
function(hkcal_export_declared target header macro)
  if(WIN32 OR APPLE OR CMAKE_SCRIPT_MODE_FILE)
    return()
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  hkcal_declared_names(${header} ${macro} names)
  list(JOIN names ";\n    " body)
  set(script ${PROJECT_BINARY_DIR}/${target}.map)
  file(CONFIGURE OUTPUT ${script} CONTENT
       "/* Made by cmake/Exports.cmake from ${macro} in the header. */\n{\n  global:\n    ${body};\n  local:\n    *;\n};\n")
  target_link_options(${target} PRIVATE -Wl,--version-script=${script})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
endfunction()
