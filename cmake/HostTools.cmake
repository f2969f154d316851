# Build-time tools (rule and table compilers) run on the build machine. In a native or MSVC build they are
# ordinary targets of this tree; in a cross build they are built once more by the host compiler in a
# project of their own, so that the Windows build can run them while it cross-compiles everything else.
include(ExternalProject)

if(CMAKE_CROSSCOMPILING)
  set(KESTRELLE_HOST_CXX_COMPILER c++ CACHE STRING "C++ compiler of the build machine, for the build-time tools")
  set(KESTRELLE_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
  # The tools the project makes: declared, so that each generated file can depend on the tool that writes
  # it and is made again when that tool changes.
  set(host_tool_files)
  foreach(tool IN ITEMS rules2rc rules2cpp tables2bin make_icon)
    list(APPEND host_tool_files ${KESTRELLE_HOST_TOOLS_DIR}/${tool}${CMAKE_HOST_EXECUTABLE_SUFFIX})
  endforeach()
  ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${KESTRELLE_HOST_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${KESTRELLE_HOST_CXX_COMPILER}
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${host_tool_files}
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
else()
  add_subdirectory(tools)
endif()

# kestrelle_host_tool(<var> <tool>): sets <var> to the path of a host tool for use in add_custom_command,
# and <var>_DEPENDS to what a custom command must depend on to have it built first and to run again
# whenever the tool changes (a target name does both for a tool of this tree).
function(kestrelle_host_tool var tool)
  if(CMAKE_CROSSCOMPILING)
    set(path ${KESTRELLE_HOST_TOOLS_DIR}/${tool}${CMAKE_HOST_EXECUTABLE_SUFFIX})
    set(${var} ${path} PARENT_SCOPE)
    set(${var}_DEPENDS host_tools ${path} PARENT_SCOPE)
  else()
    set(${var} $<TARGET_FILE:${tool}> PARENT_SCOPE)
    set(${var}_DEPENDS ${tool} PARENT_SCOPE)
  endif()
endfunction()
