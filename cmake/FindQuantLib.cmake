# QuantLib, a peer of the benchmark (Debian: libquantlib0-dev): defines
# QuantLib_FOUND and the imported target QuantLib::QuantLib.
find_library(QuantLib_LIBRARY QuantLib)
find_path(QuantLib_INCLUDE_DIR ql/time/calendars/hongkong.hpp)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QuantLib REQUIRED_VARS QuantLib_LIBRARY QuantLib_INCLUDE_DIR)
if(QuantLib_FOUND AND NOT TARGET QuantLib::QuantLib)
  add_library(QuantLib::QuantLib UNKNOWN IMPORTED)
  set_target_properties(QuantLib::QuantLib PROPERTIES
    IMPORTED_LOCATION "${QuantLib_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QuantLib_INCLUDE_DIR}")
endif()
