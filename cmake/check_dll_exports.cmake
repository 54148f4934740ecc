# Checks that a DLL's export table and its .def file both list exactly the
# functions its header declares with its API macro, undecorated.
#   cmake -DOBJDUMP=<objdump> -DDLL=<dll> -DDEF=<def> -DHEADER=<header> -DMACRO=<macro> -P check_dll_exports.cmake

cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/Exports.cmake)

# The names of objdump's "[Ordinal/Name Pointer] Table" of the DLL, one
# "[   0] name" line each, sorted.
function(names_from_export_table dll out)
  execute_process(COMMAND ${OBJDUMP} -p ${dll} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${dll} failed: ${rc}")
  endif()
  string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${dll} has no export name table")
  endif()
  string(SUBSTRING "${dump}" ${start} -1 dump)
  string(REGEX REPLACE "\n[ \t]*\n.*" "" dump "${dump}") # up to the next blank line
  string(REGEX MATCHALL "\n[ \t]*\\[ *[0-9]+\\][ \t]+[^\n]*" lines "${dump}")
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^]]*\\][ \t]+" "" name "${line}")
    list(APPEND names "${name}")
  endforeach()
  list(SORT names)
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# The names of the EXPORTS section of a .def file ("name @ordinal" lines), sorted.
function(names_from_def path out)
  file(STRINGS ${path} lines)
  set(names)
  set(in_exports FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^EXPORTS")
      set(in_exports TRUE)
    elseif(in_exports AND line MATCHES "^[ \t]+([^ \t]+)")
      list(APPEND names ${CMAKE_MATCH_1})
    endif()
  endforeach()
  list(SORT names)
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Fails naming the missing and the surplus names when the sorted lists differ.
function(expect_same what expected actual)
  if(NOT "${expected}" STREQUAL "${actual}")
    set(missing ${expected})
    list(REMOVE_ITEM missing ${actual})
    set(surplus ${actual})
    list(REMOVE_ITEM surplus ${expected})
    list(LENGTH actual count)
    message(FATAL_ERROR "${what} lists ${count} names\n  missing: ${missing}\n  surplus: ${surplus}")
  endif()
endfunction()

hkcal_declared_names(${HEADER} ${MACRO} expected)
list(LENGTH expected expected_count)
names_from_export_table(${DLL} exported)
expect_same("export table of ${DLL}" "${expected}" "${exported}")
names_from_def(${DEF} defined)
expect_same("${DEF}" "${expected}" "${defined}")
message(STATUS "${DLL} and ${DEF} export the ${expected_count} functions of ${HEADER}")
