# Calls into the static libraries from a program's own global initialiser
# (the asan preset builds them).
if(TARGET hkcal_hk_static)
  add_executable(static_init static_init/main.cpp)
  target_link_libraries(static_init PRIVATE hkcal_hk_static)
  hkcal_enable_warnings(static_init)
  add_test(NAME hk.static_init COMMAND static_init)
endif()
