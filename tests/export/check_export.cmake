# Exports family files with kinmora-cli and checks the result with programs Kinmora did not write.
#
#   cmake -DCHECK=round-trip|read-gedcom|gramps -DCLI=... -DMKFAMILY=... -DGENFAMILY=...
#         -DNODE=... -DREADER_DIR=... -DPYTHON=... -DGRAMPS=... -DCHECKER=...
#         -DWORK_DIR=... -DFAMILIES="name=FILE.mdb|name=csv:SEED|name=gen:PERSONS|..."
#         -P check_export.cmake
#
# round-trip: FILE -> kinmora-cli csv -> kinmora-mkfamily -> FILE2; both read through
#   mdb-reader must give the same tables (columns, types, every value, row order).
# read-gedcom: kinmora-cli gedcom, read by the npm read-gedcom parser (counts given as
#   name=FILE=PERSONS=FAMILIES in GEDCOM_COUNTS).
# gramps: kinmora-cli gedcom, imported by Gramps, exported as Gramps XML, compared by
#   CHECKER with the file's tables read through mdb-reader.
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command}\nexited with ${status}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
  set(run_errors "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
if(NOT NODE OR NOT EXISTS ${READER_DIR}/node_modules/mdb-reader)
  message(FATAL_ERROR "needs node and `npm ci --prefix tests/reader` (scripts/test runs it)")
endif()

# Every family as an .mdb file in WORK_DIR.
string(REPLACE "|" ";" FAMILIES "${FAMILIES}")
set(files "")
foreach(family IN LISTS FAMILIES)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${family}")
  set(name ${CMAKE_MATCH_1})
  set(source ${CMAKE_MATCH_2})
  set(mdb ${WORK_DIR}/${name}.mdb)
  if(source MATCHES "^gen:(.*)$")
    run(${GENFAMILY} --persons ${CMAKE_MATCH_1} --out ${WORK_DIR}/${name}-csv)
    run(${MKFAMILY} --family ${WORK_DIR}/${name}-csv/family.csv
        --married ${WORK_DIR}/${name}-csv/married.csv -o ${mdb})
  elseif(source MATCHES "^csv:(.*)$")
    run(${MKFAMILY} --family ${CMAKE_MATCH_1}.family.csv --married ${CMAKE_MATCH_1}.married.csv
        -o ${mdb})
  else()
    file(COPY_FILE ${source} ${mdb})
  endif()
  list(APPEND files ${name})
endforeach()

foreach(name IN LISTS files)
  set(mdb ${WORK_DIR}/${name}.mdb)
  if(CHECK STREQUAL "round-trip")
    run(${CLI} csv ${mdb} --family ${WORK_DIR}/${name}.family.csv
        --married ${WORK_DIR}/${name}.married.csv)
    run(${MKFAMILY} --family ${WORK_DIR}/${name}.family.csv
        --married ${WORK_DIR}/${name}.married.csv -o ${WORK_DIR}/${name}.again.mdb)
    run(${NODE} ${READER_DIR}/read-mdb.mjs ${mdb})
    set(before "${run_output}")
    run(${NODE} ${READER_DIR}/read-mdb.mjs ${WORK_DIR}/${name}.again.mdb)
    # mkfamily names the tables family and married; the file may spell them otherwise.
    string(REGEX REPLACE "\n  \"[Ff][Aa][Mm][Ii][Ll][Yy]\": " "\n  \"family\": " before "${before}")
    string(REGEX REPLACE "\n  \"[Mm][Aa][Rr][Rr][Ii][Ee][Dd]\": " "\n  \"married\": " before "${before}")
    if(NOT before STREQUAL run_output)
      file(WRITE ${WORK_DIR}/${name}.before.json "${before}")
      file(WRITE ${WORK_DIR}/${name}.after.json "${run_output}")
      message(FATAL_ERROR "${name}: the tables differ after the round trip; compare "
                          "${WORK_DIR}/${name}.before.json and ${name}.after.json")
    endif()
    message(STATUS "${name}: the same tables after csv and kinmora-mkfamily")
  elseif(CHECK STREQUAL "read-gedcom")
    run(${CLI} gedcom ${mdb} -o ${WORK_DIR}/${name}.ged)
    string(REGEX MATCH "${name}=([0-9]+)=([0-9]+)" _ "${GEDCOM_COUNTS}")
    run(${NODE} ${READER_DIR}/read-gedcom.mjs ${WORK_DIR}/${name}.ged ${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
    message(STATUS "${run_output}")
  elseif(CHECK STREQUAL "gramps")
    if(NOT GRAMPS)
      message(FATAL_ERROR "needs Gramps (scripts/install-deps installs it)")
    endif()
    # Gramps keeps its family trees under HOME; a scratch one leaves the user's alone.
    set(ENV{HOME} ${WORK_DIR}/home)
    run(${CLI} gedcom ${mdb} -o ${WORK_DIR}/${name}.ged)
    run(${GRAMPS} -y -C ${name} -i ${WORK_DIR}/${name}.ged)
    file(WRITE ${WORK_DIR}/${name}.import.log "${run_output}${run_errors}")
    run(${GRAMPS} -y -O ${name} -e ${WORK_DIR}/${name}.gramps)
    run(${NODE} ${READER_DIR}/read-mdb.mjs ${mdb})
    file(WRITE ${WORK_DIR}/${name}.json "${run_output}")
    run(${PYTHON} ${CHECKER} ${WORK_DIR}/${name}.json ${WORK_DIR}/${name}.gramps
        ${WORK_DIR}/${name}.import.log)
    message(STATUS "${name}: ${run_output}")
  else()
    message(FATAL_ERROR "unknown CHECK ${CHECK}")
  endif()
endforeach()
