# Tests that open real windows: under virtual X servers of several screen
# sizes, none with a window manager, when no display is set and xvfb-run
# exists; else on the display there is.

# The real screen seen and driven from outside the game (X11, XTest, RandR).
target_sources(qw2_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/platform_screen.cpp)
find_package(X11)
if(X11_FOUND AND X11_Xtst_FOUND AND X11_Xrandr_FOUND)
  target_link_libraries(qw2_tests PRIVATE X11::X11 X11::Xtst X11::Xrandr)
  target_compile_definitions(qw2_tests PRIVATE QW2_REAL_SCREEN=1)
endif()

find_program(QW2_XVFB_RUN xvfb-run)
if(QW2_XVFB_RUN AND NOT DEFINED ENV{DISPLAY})
  # The game's own size; a common laptop screen, wider and lower than the
  # game; a wide screen larger than the game.
  set(QW2_REAL_WINDOW_SCREENS 1280x1024 1366x768 1920x1080)
  set(QW2_REAL_WINDOW_TESTS)
  foreach(screen ${QW2_REAL_WINDOW_SCREENS})
    add_test(NAME platform_real_window_${screen}
             COMMAND ${QW2_XVFB_RUN} -a -s "-screen 0 ${screen}x24" $<TARGET_FILE:qw2_tests>
                     --gtest_filter=PlatformWindow.*)
    list(APPEND QW2_REAL_WINDOW_TESTS platform_real_window_${screen})
  endforeach()
  # One at a time: xvfb-run -a started twice at once may pick one server number.
  set_tests_properties(${QW2_REAL_WINDOW_TESTS} PROPERTIES RESOURCE_LOCK qw2_virtual_x_server)
else()
  add_test(NAME platform_real_window COMMAND $<TARGET_FILE:qw2_tests> --gtest_filter=PlatformWindow.*)
  set(QW2_REAL_WINDOW_TESTS platform_real_window)
endif()
set_tests_properties(${QW2_REAL_WINDOW_TESTS} PROPERTIES TIMEOUT 180)
if(QW2_SANITIZE)
  set_tests_properties(${QW2_REAL_WINDOW_TESTS} PROPERTIES
                       ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/platform_window.supp")
endif()
