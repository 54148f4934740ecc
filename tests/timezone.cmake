# The tests of the local zone once more in each of several fixed zones: the
# library reads the local bias once per process, so each zone needs a run
# of its own (ConvertTimeZone does not depend on the zone). HKCAL_TEST_BIAS gives the zone's bias ("standard/daylight",
# minutes, UTC = local time + bias). The northern and southern rules are
# mirror images, so at any moment one of the two runs in daylight time and
# the other in standard time.
function(hkcal_timezone_test name tz bias)
  add_test(NAME timezone_${name}
           COMMAND test_timezone --gtest_filter=LocalBias.*:LocalToOverseaTime.*)
  set_tests_properties(timezone_${name} PROPERTIES
    ENVIRONMENT "TZ=${tz};HKCAL_TEST_BIAS=${bias}")
endfunction()

if(TARGET test_timezone)
  hkcal_timezone_test(utc "UTC0" "0/0")
  hkcal_timezone_test(utc_plus_8 "HKT-8" "-480/-480")
  hkcal_timezone_test(est_edt_north "EST5EDT,M3.2.0,M11.1.0" "300/240")
  hkcal_timezone_test(est_edt_south "EST5EDT,M11.1.0,M3.2.0" "300/240")
  hkcal_timezone_test(edt_all_year "EST5EDT,0/0,J365/25" "240/240")
endif()
