# Tests the layer check on small trees of its own, and that the README's
# Layout section lists the layers in the check's order.
# Run as: cmake -DSOURCE_ROOT=<repository> -DWORK_DIR=<scratch> -P include_layers_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/include_layers.cmake)

if(NOT SOURCE_ROOT OR NOT WORK_DIR)
  message(FATAL_ERROR "SOURCE_ROOT and WORK_DIR must be set")
endif()

set(failures "")

# Each case: a file of a tree, the project header it includes, and whether
# the check lets the tree pass.
set(cases
    "utils/a.cpp|shell/b.h|fails"
    "texts/a.h|utils/b.h|fails"
    "commands/checks/a.cpp|alarms/b.h|fails"
    "platform/a.cpp|startup.h|fails"
    "extra/a.cpp|utils/b.h|fails"
    "alarms/a.cpp|mml/b.h|passes"
    "commands/dialogs/a.cpp|commands/checks/b.h|passes"
    "shell/a.cpp|platform/b.h|passes"
    "startup.cpp|monitoring/b.h|passes")
set(index 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 file)
  list(GET parts 1 header)
  list(GET parts 2 expected)
  set(tree ${WORK_DIR}/case${index})
  math(EXPR index "${index} + 1")
  file(REMOVE_RECURSE ${tree})
  file(WRITE ${tree}/${file} "#include <vector>\n\n#include \"${header}\"\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree}
                          -P ${CMAKE_CURRENT_LIST_DIR}/check_include_layers.cmake
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE said)
  if(rc EQUAL 0)
    set(got "passes")
  else()
    set(got "fails")
  endif()
  if(NOT got STREQUAL expected)
    list(APPEND failures "${file} including ${header} ${got}, should be: ${expected}")
  elseif(got STREQUAL "fails")
    # The check names the file at fault.
    string(FIND "${said}" "${file}" at)
    if(at EQUAL -1)
      list(APPEND failures "${file} including ${header}: the check does not name the file")
    endif()
  endif()
endforeach()

# The README's Layout section: one numbered line a layer, its folders as
# `name/`, main as `main.cpp` (`src/`, where they all are, is no layer).
file(STRINGS ${SOURCE_ROOT}/README.md readme REGEX "^(## |[0-9]+\\. )")
set(inLayout FALSE)
set(readmeLayers "")
foreach(line IN LISTS readme)
  if(line MATCHES "^## ")
    if(line STREQUAL "## Layout")
      set(inLayout TRUE)
    else()
      set(inLayout FALSE)
    endif()
  elseif(inLayout)
    string(REGEX MATCHALL "`[a-z]+/`|`main\\.cpp`" names "${line}")
    list(TRANSFORM names REPLACE "`([a-z]+)(/|\\.cpp)`" "\\1")
    list(REMOVE_ITEM names "src")
    string(REPLACE ";" " " layer "${names}")
    list(APPEND readmeLayers "${layer}")
  endif()
endforeach()
if(NOT readmeLayers STREQUAL KELM_LAYERS)
  list(APPEND failures "README lists the layers as [${readmeLayers}], the check as [${KELM_LAYERS}]")
endif()

if(failures)
  string(REPLACE ";" "\n  " text "${failures}")
  message(FATAL_ERROR "Layer check:\n  ${text}")
endif()
message(STATUS "The layer check holds its cases; the README lists its order")
