# Generates 1,000 persons, writes them as a family file and draws the chart
# of the person the generator names; fails on any step that fails.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status}): ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
run(${GENERATOR} --persons 1000 --out ${WORK})
set(centre "${out}")
run(${WRITER} --family ${WORK}/family.csv --married ${WORK}/married.csv -o ${WORK}/family.mdb)
run(${CLI} chart ${WORK}/family.mdb --name "${centre}")
string(REGEX MATCH "status\t  รวมทั้งสิ้น ([0-9]+)  รายชื่อ$" status_line "${out}")
if(NOT status_line OR CMAKE_MATCH_1 LESS 10)
  message(FATAL_ERROR "the chart of ${centre} is too small or has no status line")
endif()
run(${CLI} search ${WORK}/family.mdb "${centre}")
