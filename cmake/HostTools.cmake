# Build-time tools (rule and table compilers) run on the build machine. In a native or MSVC build they are
# ordinary targets of this tree; in a cross build they are built once more by the host compiler in a
# project of their own, so that the Windows build can run them while it cross-compiles everything else.
include(ExternalProject)

if(CMAKE_CROSSCOMPILING)
  set(KESTRELLE_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
  ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${KESTRELLE_HOST_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=cc -DCMAKE_CXX_COMPILER=c++
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
else()
  add_subdirectory(tools)
endif()

# kestrelle_host_tool(<var> <tool>): sets <var> to the path of a host tool for use in add_custom_command,
# and <var>_DEPENDS to what a custom command must depend on to have it built first.
function(kestrelle_host_tool var tool)
  if(CMAKE_CROSSCOMPILING)
    set(${var} ${KESTRELLE_HOST_TOOLS_DIR}/${tool} PARENT_SCOPE)
    set(${var}_DEPENDS host_tools PARENT_SCOPE)
  else()
    set(${var} $<TARGET_FILE:${tool}> PARENT_SCOPE)
    set(${var}_DEPENDS ${tool} PARENT_SCOPE)
  endif()
endfunction()
