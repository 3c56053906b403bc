# Keeps the folders a ladder: a file under src/<folder> or tests/<folder> may include headers of its
# own floor and of the floors below, never of one above. Run by ctest, or by hand:
#
#     cmake -P scripts/check-layering.cmake
#
# ROOT names another tree to check (the test of this check uses one); it defaults to the project.

cmake_minimum_required(VERSION 3.25)

# The floors from the bottom up; folders on one floor may use each other. src/ui/layout is part of ui.
set(floors storage recurrence roster "print,ui" app)

if(NOT ROOT)
  get_filename_component(ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
endif()

function(floor_of folder result)
  set(level 0)
  foreach(floor IN LISTS floors)
    string(REPLACE "," ";" members "${floor}")
    if(folder IN_LIST members)
      set(${result} ${level} PARENT_SCOPE)
      return()
    endif()
    math(EXPR level "${level} + 1")
  endforeach()
  set(${result} -1 PARENT_SCOPE)
endfunction()

set(violations "")
file(GLOB_RECURSE files RELATIVE "${ROOT}" "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tests/*.h"
     "${ROOT}/tests/*.cpp")
foreach(file IN LISTS files)
  # src/<folder>/... or tests/<folder>/...; files of folders off the ladder (tests/support) are free.
  string(REGEX MATCH "^[^/]+/([^/]+)/" ignored "${file}")
  set(own_folder "${CMAKE_MATCH_1}")
  floor_of("${own_folder}" own)
  if(own EQUAL -1)
    continue()
  endif()
  file(STRINGS "${ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "\"(([^/\"]+)/[^\"]*)\"" ignored "${line}")
    set(header "${CMAKE_MATCH_1}")
    set(folder "${CMAKE_MATCH_2}")
    floor_of("${folder}" used)
    if(used GREATER own)
      string(APPEND violations "  ${file} includes ${header}: ${folder} is above ${own_folder}\n")
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN floors " <- " ladder)
  message(FATAL_ERROR "A folder includes one above it on the ladder ${ladder}:\n${violations}")
endif()
list(LENGTH files count)
message(STATUS "The ladder holds: ${count} files checked")
