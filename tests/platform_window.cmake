# The renderer comparison opens real windows: under a virtual X server when
# no display is set and xvfb-run exists.
find_program(QW2_XVFB_RUN xvfb-run)
if(QW2_XVFB_RUN AND NOT DEFINED ENV{DISPLAY})
  add_test(NAME platform_real_window
           COMMAND ${QW2_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:qw2_tests>
                   --gtest_filter=PlatformWindow.*)
  # A monitor without a 1280 x 1024 mode: the game shown scaled with bars.
  add_test(NAME platform_real_window_scaled
           COMMAND ${QW2_XVFB_RUN} -a -s "-screen 0 1920x1080x24" $<TARGET_FILE:qw2_tests>
                   --gtest_filter=PlatformWindow.PointerInGamePixelsOnAnyMonitor)
  set_tests_properties(platform_real_window_scaled PROPERTIES TIMEOUT 120)
  if(QW2_SANITIZE)
    set_tests_properties(platform_real_window_scaled PROPERTIES
                         ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/platform_window.supp")
  endif()
else()
  add_test(NAME platform_real_window COMMAND $<TARGET_FILE:qw2_tests> --gtest_filter=PlatformWindow.*)
endif()
set_tests_properties(platform_real_window PROPERTIES TIMEOUT 120)
if(QW2_SANITIZE)
  set_tests_properties(platform_real_window PROPERTIES
                       ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/platform_window.supp")
endif()
