# Runs one command in a fresh folder and compares its standard output byte for byte with a golden file.
#   cmake -DNAME=... -DGOLDEN=file.out -DWORK=folder [-DASSETS=folder] -P compare.cmake -- COMMAND ARGS...
# The folder's path is written as <work> in the output, so goldens do not depend on the build folder.
# Files the run leaves in the folder (settings, records) follow the output as "file NAME SIZE SHA256"
# lines, so what the program saves is pinned too.
# With the environment variable TESSORA_GOLDEN_REGEN=1 the output replaces the golden file instead.
cmake_minimum_required(VERSION 3.25)

set(command)
set(seen_dashes OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 1 ${last})
  if(seen_dashes)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(seen_dashes ON)
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# The program looks for its wave files and help page in the folder it was started from.
set(assets その他.wav 禁止.wav 駒打音.wav BGM.wav Tessora.htm)
if(ASSETS)
  foreach(name ${assets})
    file(COPY "${ASSETS}/${name}" DESTINATION "${WORK}")
  endforeach()
endif()

execute_process(COMMAND ${command} WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc
  OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${NAME}: exit status ${rc}\n${err}\n${out}")
endif()
string(REPLACE "${WORK}" "<work>" out "${out}")
file(GLOB_RECURSE written LIST_DIRECTORIES false RELATIVE "${WORK}" "${WORK}/*")
list(SORT written)
foreach(name ${written})
  if(ASSETS AND name IN_LIST assets)
    continue()
  endif()
  file(SIZE "${WORK}/${name}" size)
  file(SHA256 "${WORK}/${name}" sha)
  string(APPEND out "file ${name} ${size} ${sha}\n")
endforeach()

if("$ENV{TESSORA_GOLDEN_REGEN}" STREQUAL "1")
  file(WRITE "${GOLDEN}" "${out}")
  message(STATUS "${NAME}: wrote ${GOLDEN}")
  return()
endif()

if(NOT EXISTS "${GOLDEN}")
  message(FATAL_ERROR "${NAME}: no golden file ${GOLDEN}; write it with tests/golden/regen.sh")
endif()
file(WRITE "${WORK}.out" "${out}")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${GOLDEN}" "${WORK}.out" RESULT_VARIABLE differ)
if(differ)
  # The diff goes straight to the test's output, unwrapped.
  execute_process(COMMAND diff -u --label "${GOLDEN}" --label now "${GOLDEN}" "${WORK}.out")
  message(FATAL_ERROR "${NAME}: output differs from the golden file (diff above)")
endif()
