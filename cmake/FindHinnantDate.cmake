# Howard Hinnant's header-only date library, a peer of the benchmark (Debian:
# libhowardhinnant-date-dev): defines HinnantDate_FOUND and the imported
# target HinnantDate::date.
find_path(HinnantDate_INCLUDE_DIR date/date.h)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(HinnantDate REQUIRED_VARS HinnantDate_INCLUDE_DIR)
if(HinnantDate_FOUND AND NOT TARGET HinnantDate::date)
  add_library(HinnantDate::date INTERFACE IMPORTED)
  set_target_properties(HinnantDate::date PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${HinnantDate_INCLUDE_DIR}")
endif()
