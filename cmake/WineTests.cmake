# Windows-side tests. In a cross build they run through Wine with a prefix of the build's own, on one
# virtual X display per test run: the fixture "wine_display" starts Xvfb (and prepares the prefixes) before
# the first such test and stops both after the last. Besides the build's own prefix (a 96-DPI screen with
# Wine's own window frame) there is one prefix per screen of KESTRELLE_WINE_SCREENS, for the tests that
# check the scaled layout: a screen is named by its DPI, and by the window frame after a hyphen where it is
# not Wine's own ("win10": the larger caption, menu bar and padded border of Windows 10 and 11). Built on
# Windows itself, the tests simply run, at the screen's DPI and frame.
set(KESTRELLE_WINE_SCREENS 120 144 192 96-win10 144-win10)
if(CMAKE_CROSSCOMPILING)
  set(KESTRELLE_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
  set(KESTRELLE_DISPLAY_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/virtual-display.sh)

  add_test(NAME wine_display_start COMMAND ${KESTRELLE_DISPLAY_SCRIPT} start ${CMAKE_BINARY_DIR} ${KESTRELLE_WINE_SCREENS})
  set_tests_properties(wine_display_start PROPERTIES FIXTURES_SETUP wine_display TIMEOUT 300)
  add_test(NAME wine_display_stop COMMAND ${KESTRELLE_DISPLAY_SCRIPT} stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_display_stop PROPERTIES FIXTURES_CLEANUP wine_display)
endif()

# kestrelle_add_wine_gtest(<target> [TIMEOUT seconds]): one CTest test per GoogleTest case of the program,
# named as the case, so that a test run shows each case with its result. The cases are listed when CTest
# starts rather than at build time, since in a cross build the program runs only through Wine (which lists
# them without a display); each case then runs in a process of its own.
# kestrelle_add_wine_gtest(<target> SCREEN <screen> FILTER <gtest filter>): the cases of the filter once
# more, on a screen of KESTRELLE_WINE_SCREENS, named "<case>@<dpi>dpi[-<frame>]"; the program finds the
# screen it is meant to run on in KESTRELLE_WINE_SCREEN. Only in a cross build.
# kestrelle_add_wine_gtest(<target> LOCALE <locale> FILTER <gtest filter>): the cases of the filter once
# more in a Unix locale that the display fixture makes (ja_JP.UTF-8), which sets the system code page of
# Wine, named "<case>@<locale>". Only in a cross build.
# kestrelle_add_wine_gtest(<target> PLAYER_PREFIX FILTER <gtest filter>): the cases of the filter once more in
# a Wine prefix as a player's new one is, without the build's settings, named "<case>@player-prefix". Only in
# a cross build.
function(kestrelle_add_wine_gtest target)
  cmake_parse_arguments(arg "PLAYER_PREFIX" "TIMEOUT;SCREEN;LOCALE;FILTER" "" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  set(properties TIMEOUT ${arg_TIMEOUT})
  set(variant)
  if(CMAKE_CROSSCOMPILING)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${KESTRELLE_WINE_RUN};${CMAKE_BINARY_DIR}")
    list(APPEND properties FIXTURES_REQUIRED wine_display)
    if(arg_SCREEN)
      list(APPEND properties ENVIRONMENT KESTRELLE_WINE_SCREEN=${arg_SCREEN})
      string(REGEX REPLACE "^([0-9]+)" "\\1dpi" suffix "${arg_SCREEN}")
      set(variant TEST_SUFFIX "@${suffix}" TEST_FILTER "${arg_FILTER}")
    elseif(arg_LOCALE)
      list(APPEND properties ENVIRONMENT KESTRELLE_WINE_LOCALE=${arg_LOCALE})
      set(variant TEST_SUFFIX "@${arg_LOCALE}" TEST_FILTER "${arg_FILTER}")
    elseif(arg_PLAYER_PREFIX)
      list(APPEND properties ENVIRONMENT KESTRELLE_WINE_PLAYER_PREFIX=1)
      set(variant TEST_SUFFIX "@player-prefix" TEST_FILTER "${arg_FILTER}")
    endif()
  elseif(arg_SCREEN OR arg_LOCALE OR arg_PLAYER_PREFIX)
    return()
  endif()
  # Listing may first create the Wine prefix, which takes a while.
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300 ${variant} PROPERTIES ${properties})
endfunction()
