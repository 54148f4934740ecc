# The fuzz targets' properties on every build: each target linked with a
# driver that feeds it a fixed set of pseudo-random inputs (fuzz/replay.cpp).
# Not in the Windows build, whose runtime has no POSIX TZ strings.
if(NOT WIN32)
  foreach(target fuzz_classic fuzz_hk)
    add_executable(${target}_replay ${PROJECT_SOURCE_DIR}/fuzz/${target}.cpp ${PROJECT_SOURCE_DIR}/fuzz/replay.cpp)
    target_link_libraries(${target}_replay PRIVATE hkcal hkcal_hk)
    target_include_directories(${target}_replay PRIVATE ${PROJECT_SOURCE_DIR}/fuzz ${PROJECT_SOURCE_DIR}/src
                               ${CMAKE_CURRENT_SOURCE_DIR})
    hkcal_enable_warnings(${target}_replay)
    add_test(NAME ${target} COMMAND ${target}_replay)
  endforeach()
endif()
