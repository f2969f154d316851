# Windows-side tests. In a cross build they run through Wine with a prefix of the build's own, on one
# virtual X display per test run: the fixture "wine_display" starts Xvfb (and prepares the prefixes) before
# the first such test and stops both after the last. Besides the build's own prefix (a 96-DPI screen) there
# is one prefix per DPI of KESTRELLE_WINE_DPIS, for the tests that check the scaled layout. Built on
# Windows itself, they simply run, at the screen's DPI.
set(KESTRELLE_WINE_DPIS 120 144 192)
if(CMAKE_CROSSCOMPILING)
  set(KESTRELLE_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
  set(KESTRELLE_DISPLAY_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/virtual-display.sh)

  add_test(NAME wine_display_start COMMAND ${KESTRELLE_DISPLAY_SCRIPT} start ${CMAKE_BINARY_DIR} ${KESTRELLE_WINE_DPIS})
  set_tests_properties(wine_display_start PROPERTIES FIXTURES_SETUP wine_display TIMEOUT 300)
  add_test(NAME wine_display_stop COMMAND ${KESTRELLE_DISPLAY_SCRIPT} stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_display_stop PROPERTIES FIXTURES_CLEANUP wine_display)
endif()

# kestrelle_add_wine_gtest(<target> [TIMEOUT seconds]): one CTest test per GoogleTest case of the program,
# named as the case, so that a test run shows each case with its result. The cases are listed when CTest
# starts rather than at build time, since in a cross build the program runs only through Wine (which lists
# them without a display); each case then runs in a process of its own.
# kestrelle_add_wine_gtest(<target> DPI <dpi> FILTER <gtest filter>): the cases of the filter once more, on
# a screen of that DPI (one of KESTRELLE_WINE_DPIS), named "<case>@<dpi>dpi"; the program finds the DPI it
# is meant to run at in KESTRELLE_WINE_DPI. Only in a cross build.
function(kestrelle_add_wine_gtest target)
  cmake_parse_arguments(arg "" "TIMEOUT;DPI;FILTER" "" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  set(properties TIMEOUT ${arg_TIMEOUT})
  set(variant)
  if(CMAKE_CROSSCOMPILING)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${KESTRELLE_WINE_RUN};${CMAKE_BINARY_DIR}")
    list(APPEND properties FIXTURES_REQUIRED wine_display)
    if(arg_DPI)
      list(APPEND properties ENVIRONMENT KESTRELLE_WINE_DPI=${arg_DPI})
      set(variant TEST_SUFFIX "@${arg_DPI}dpi" TEST_FILTER "${arg_FILTER}")
    endif()
  elseif(arg_DPI)
    return()
  endif()
  # Listing may first create the Wine prefix, which takes a while.
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300 ${variant} PROPERTIES ${properties})
endfunction()
