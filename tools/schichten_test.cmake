# Runs the layer check (PRUEFUNG=tools/schichten.cmake) on a small tree made
# up here (in ARBEIT): one clean pair of libraries, then every kind of
# violation, each of which must be reported word for word.
#
#   cmake -DPRUEFUNG=tools/schichten.cmake -DARBEIT=<empty dir> -P tools/schichten_test.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${ARBEIT}")

# path | content; `unten` <- `oben` <- `ansicht` (with Qt); `quer` declares
# `unten` but includes `oben` and Qt; ansicht's own header includes `quer`;
# the tests of `unten`, built in its folder, reach up to `oben`.
set(files
    "unten/u.h|#include <vector>"
    "unten/u.cpp|#include \"unten/u.h\""
    "unten/u_test.cpp|#include <unten/u.h>\n#include <oben/o.h>"
    "oben/o.h|  #  include \"unten/u.h\""
    "oben/o.cpp|#include \"oben/o.h\""
    "quer/q.h|// #include \"oben/o.h\" in a comment does not count"
    "quer/q.cpp|#include \"oben/o.h\"\n#include <QString>\n#include <string>"
    "ansicht/hilfe.h|#include \"quer/q.h\""
    "ansicht/main.cpp|#include <QWidget>\n#include \"hilfe.h\"\n#include \"oben/o.h\""
    "README.md|| folder | builds on |\n|---|---|\n| `unten/` | — |\n| `oben/` | |\n| `ansicht/` | `oben/` |")
foreach(entry IN LISTS files)
  string(REGEX MATCH "^([^|]*)\\|(.*)$" _ "${entry}")
  file(WRITE "${ARBEIT}/${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}\n")
endforeach()

# unit | type | sources | declared folders | Qt | folder
set(units
    "unten|STATIC_LIBRARY|unten/u.cpp||OFF|unten"
    "oben|STATIC_LIBRARY|oben/o.cpp|unten|OFF|oben"
    "quer|STATIC_LIBRARY|quer/q.cpp|unten|OFF|quer"
    "ansicht|EXECUTABLE|ansicht/main.cpp|oben|ON|ansicht"
    "unten_tests|EXECUTABLE|unten/u_test.cpp|unten|OFF|unten")

# Writes a graph of the first `count` units and runs the check on it.
function(run_check count readme result output)
  set(text "set(MORVANE_SOURCE_DIR \"${ARBEIT}\")\nset(MORVANE_INCLUDE_ROOTS \"${ARBEIT}\")\n")
  set(names "")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    list(GET units ${i} unit)
    string(REPLACE "|" ";" fields "${unit}|")
    list(GET fields 0 name)
    list(GET fields 1 type)
    list(GET fields 2 source)
    list(GET fields 3 declared)
    list(GET fields 4 qt)
    list(GET fields 5 folder)
    list(APPEND names ${name})
    string(APPEND text "set(MORVANE_${name}_TYPE ${type})\nset(MORVANE_${name}_SOURCES ${source})\n"
           "set(MORVANE_${name}_FOLDERS ${folder})\nset(MORVANE_${name}_DECLARES \"${declared}\")\n"
           "set(MORVANE_${name}_QT ${qt})\n")
  endforeach()
  string(APPEND text "set(MORVANE_UNITS \"${names}\")\n")
  file(WRITE "${ARBEIT}/graph.cmake" "${text}")
  set(args -DGRAPH=${ARBEIT}/graph.cmake)
  if(readme)
    list(APPEND args -DREADME=${ARBEIT}/README.md)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} ${args} -P ${PRUEFUNG} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(${result} ${status} PARENT_SCOPE)
  set(${output} "${out}" PARENT_SCOPE)
endfunction()

set(failures "")
# The clean pair passes, and both of its sources and both headers were read.
run_check(2 OFF status out)
string(FIND "${out}" "Layer rule holds: 4 files of 2 targets" at)
if(NOT status EQUAL 0 OR at EQUAL -1)
  list(APPEND failures "clean tree failed or was not counted as 4 files of 2 targets")
endif()

# Everything at once: each violation exactly once, nothing about clean files.
run_check(5 ON status out)
if(status EQUAL 0)
  list(APPEND failures "violations passed")
endif()
set(expected
    "quer/q.cpp: includes \"oben/o.h\" (oben/), which quer does not link"
    "quer/q.cpp: includes <QString>, but quer does not link Qt"
    "quer links the library of unten/, but none of its files includes it"
    "ansicht/hilfe.h: includes \"quer/q.h\" (quer/), which ansicht does not link"
    "README: `oben/` builds on '', but oben declares 'unten'"
    "README: the layout table has no row for quer/ (quer)"
    "unten/u_test.cpp: includes <oben/o.h> (oben/), which unten_tests does not link"
    "7 layer violation(s) in 9 files of 5 targets")
foreach(text IN LISTS expected)
  string(FIND "${out}" "${text}" at)
  if(at EQUAL -1)
    list(APPEND failures "not reported: ${text}")
  endif()
endforeach()
foreach(clean "unten/u.h:" "unten/u.cpp:" "oben/o.h:" "quer/q.h:" "ansicht/main.cpp:" "<string>"
        "<vector>")
  string(FIND "${out}" "${clean}" at)
  if(NOT at EQUAL -1)
    list(APPEND failures "reported although clean: ${clean}")
  endif()
endforeach()

if(failures)
  string(REPLACE ";" "\n" failures "${failures}")
  message(FATAL_ERROR "${failures}\n--- output of the check ---\n${out}")
endif()
message("Layer check self-test passed")
