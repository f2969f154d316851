# Windows-side tests. In a cross build they run through Wine with a prefix of the build's own, on one
# virtual X display per test run: the fixture "wine_display" starts Xvfb (and prepares the prefix) before
# the first such test and stops both after the last. Built on Windows itself, they simply run.
if(CMAKE_CROSSCOMPILING)
  set(KESTRELLE_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
  set(KESTRELLE_DISPLAY_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/virtual-display.sh)

  add_test(NAME wine_display_start COMMAND ${KESTRELLE_DISPLAY_SCRIPT} start ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_display_start PROPERTIES FIXTURES_SETUP wine_display TIMEOUT 300)
  add_test(NAME wine_display_stop COMMAND ${KESTRELLE_DISPLAY_SCRIPT} stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_display_stop PROPERTIES FIXTURES_CLEANUP wine_display)
endif()

# kestrelle_add_wine_test(<target> [TIMEOUT seconds]): one CTest test that runs the whole program.
function(kestrelle_add_wine_test target)
  cmake_parse_arguments(arg "" "TIMEOUT" "" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 600)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${KESTRELLE_WINE_RUN} ${CMAKE_BINARY_DIR} $<TARGET_FILE:${target}>)
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine_display TIMEOUT ${arg_TIMEOUT})
  else()
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT ${arg_TIMEOUT})
  endif()
endfunction()
