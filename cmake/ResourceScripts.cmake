# kestrelle_resource_script(<target> <script> [INCLUDE_DIRECTORIES <dirs...>] [DEPENDS <files...>])
#
# Compiles a resource script into <target> and makes its object depend on every file the script pulls in.
# The resource compiler tells the build about none of them, so without this an edited bitmap, table or
# header would leave the program with the old one. Each property is set where <target> was made, since a
# source property set in another folder does not reach the target's objects.
#
# A script that exists when CMake runs is read for what it pulls in: the headers of its #include "..."
# lines and the files that its resource statements name (`NAME TYPE "file"`, as for a bitmap, an icon, a
# manifest or raw data), each looked up as the compiler does, in the script's folder and then in the
# include folders (INCLUDE_DIRECTORIES, then the target's). A file found must exist or be made by the
# build. Editing such a script runs CMake again, so that a statement added is picked up. A script that the
# build writes itself is not read: list what it pulls in as DEPENDS.
function(kestrelle_resource_script target script)
  cmake_parse_arguments(arg "" "" "INCLUDE_DIRECTORIES;DEPENDS" ${ARGN})
  get_filename_component(script ${script} ABSOLUTE)
  get_filename_component(folder ${script} DIRECTORY)
  target_sources(${target} PRIVATE ${script})
  set(depends ${arg_DEPENDS})

  get_source_file_property(generated ${script} GENERATED)
  if(EXISTS ${script} AND NOT generated)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})
    get_target_property(target_includes ${target} INCLUDE_DIRECTORIES)
    if(NOT target_includes)
      set(target_includes)
    endif()
    file(STRINGS ${script} lines)
    foreach(line IN LISTS lines)
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(name ${CMAKE_MATCH_1})
      elseif(line MATCHES "^[ \t]*[A-Za-z0-9_]+[ \t]+[A-Za-z0-9_]+[ \t]+([A-Z]+[ \t]+)*\"([^\"]+)\"[ \t]*$")
        set(name ${CMAKE_MATCH_2})
      else()
        continue()
      endif()
      set(found)
      foreach(dir IN LISTS folder arg_INCLUDE_DIRECTORIES target_includes)
        get_filename_component(candidate ${name} ABSOLUTE BASE_DIR ${dir})
        get_source_file_property(made ${candidate} GENERATED)
        if(EXISTS ${candidate} OR made)
          set(found ${candidate})
          break()
        endif()
      endforeach()
      if(NOT found)
        message(FATAL_ERROR "${script} pulls in \"${name}\", which is neither in its folder nor on its include path")
      endif()
      list(APPEND depends ${found})
    endforeach()
  endif()

  if(arg_INCLUDE_DIRECTORIES)
    set_property(SOURCE ${script} TARGET_DIRECTORY ${target} APPEND PROPERTY
      INCLUDE_DIRECTORIES ${arg_INCLUDE_DIRECTORIES})
  endif()
  if(depends)
    set_property(SOURCE ${script} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS ${depends})
  endif()
endfunction()
