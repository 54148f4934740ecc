# Installation, the CMake package, the pkg-config file and the Debian package.
#
# Every installed text file finds the others relative to its own place, so
# an installed tree may be moved or packaged under any prefix.
include(CMakePackageConfigHelpers)

set(HKCAL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/hkcal)
set(HKCAL_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# ---- the library ------------------------------------------------------------
# libhkcal.so.1.0.0 with its SONAME link libhkcal.so.1 and the link-time name
# libhkcal.so (on Windows hkcal.dll in bin/, its import library in lib/).
install(TARGETS hkcal hkcal_hk EXPORT hkcalTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT hkcalTargets NAMESPACE hkcal:: DESTINATION ${HKCAL_CMAKE_DIR})

# The static library has an export set of its own, which hkcalConfig.cmake
# loads only where it was installed.
if(TARGET hkcal_static)
  install(TARGETS hkcal_static hkcal_hk_static EXPORT hkcalStaticTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT hkcalStaticTargets NAMESPACE hkcal:: DESTINATION ${HKCAL_CMAKE_DIR})
endif()

# ---- the Python package ----------------------------------------------------------
# python/hkcal for the system's python3 (Debian's dist-packages); it loads the
# libraries from the system's library path.
set(HKCAL_PYTHON_DIR lib/python3/dist-packages CACHE STRING "Where to install the Python package hkcal")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/python/hkcal DESTINATION ${HKCAL_PYTHON_DIR}
  FILES_MATCHING PATTERN "*.py" PATTERN "py.typed" PATTERN "__pycache__" EXCLUDE)

# ---- find_package(hkcal 1.0) --------------------------------------------------
configure_package_config_file(
  ${CMAKE_CURRENT_LIST_DIR}/hkcalConfig.cmake.in
  ${PROJECT_BINARY_DIR}/hkcalConfig.cmake
  INSTALL_DESTINATION ${HKCAL_CMAKE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/hkcalConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/hkcalConfig.cmake
  ${PROJECT_BINARY_DIR}/hkcalConfigVersion.cmake
  DESTINATION ${HKCAL_CMAKE_DIR})

# ---- pkg-config -------------------------------------------------------------
# The prefix as a path from the directory of hkcal.pc (${pcfiledir}), "../.."
# for lib/pkgconfig; the library and header directories from the prefix.
file(RELATIVE_PATH HKCAL_PC_PREFIX
     "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig" "${CMAKE_INSTALL_PREFIX}")
file(RELATIVE_PATH HKCAL_PC_LIBDIR "${CMAKE_INSTALL_PREFIX}" "${CMAKE_INSTALL_FULL_LIBDIR}")
file(RELATIVE_PATH HKCAL_PC_INCLUDEDIR "${CMAKE_INSTALL_PREFIX}" "${CMAKE_INSTALL_FULL_INCLUDEDIR}")
string(REGEX REPLACE "/$" "" HKCAL_PC_PREFIX "${HKCAL_PC_PREFIX}")
foreach(pc hkcal hkcal_hk)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${HKCAL_PKGCONFIG_DIR})
endforeach()

# ---- the Debian package (cpack -G DEB) --------------------------------------
if(NOT PROJECT_IS_TOP_LEVEL)
  return()
endif()
set(CPACK_PACKAGE_NAME hkcal)
set(CPACK_PACKAGE_VENDOR "hkcal maintainers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A C and C++ library for the historical Julian/Gregorian calendar: Julian"
  "Day Numbers, date arithmetic with working days, weekday searches, the"
  "Chinese lunar calendar 1936-2031, Easter and the Hong Kong public"
  "holidays; with its header, CMake package, pkg-config file and the hkcal"
  "command-line tool.")
set(CPACK_PACKAGE_CONTACT "hkcal maintainers <maintainers@users.noreply.c-seed-56583274.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# A shlibs file, so that packages built against libhkcal.so.1 depend on
# hkcal (>= this version).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Depends as dpkg-shlibdeps computes them from the binaries (libc6,
# libstdc++6, libgcc-s1 with the versions needed); without dpkg-dev and
# file(1) the same packages, unversioned.
find_program(HKCAL_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(HKCAL_FILE_COMMAND file)
if(HKCAL_DPKG_SHLIBDEPS AND HKCAL_FILE_COMMAND)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()
include(CPack)
