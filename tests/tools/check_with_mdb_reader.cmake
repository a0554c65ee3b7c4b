# Writes the sample CSVs in data/ with kinmora-mkfamily and checks every table of the
# written files through tests/reader/read-mdb.mjs (the npm mdb-reader, not libmdb).
# Run by ctest as mkfamily_mdb_reader_check; see tests/tools/CMakeLists.txt.
foreach(variable MKFAMILY READER_DIR DATA_DIR WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check_with_mdb_reader.cmake needs -D${variable}=...")
  endif()
endforeach()
if(NOT NODE)
  message(FATAL_ERROR "node was not found when configuring; the mdb-reader check needs Node.js")
endif()
if(NOT EXISTS "${READER_DIR}/node_modules/mdb-reader")
  message(FATAL_ERROR
    "${READER_DIR}/node_modules is missing: run npm ci --prefix tests/reader")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")

# check(NAME TABLES a,b,... ARGS writer arguments...)
function(check name)
  cmake_parse_arguments(ARG "" "TABLES" "ARGS" ${ARGN})
  set(mdb "${WORK_DIR}/${name}.mdb")
  execute_process(COMMAND "${MKFAMILY}" ${ARG_ARGS} -o "${mdb}"
    WORKING_DIRECTORY "${DATA_DIR}"
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "kinmora-mkfamily failed on ${name}: ${errors}")
  endif()
  set(expectations)
  string(REPLACE "," ";" tables "${ARG_TABLES}")
  foreach(table IN LISTS tables)
    list(APPEND expectations --expect "${table}=${DATA_DIR}/${table}.csv")
  endforeach()
  execute_process(COMMAND "${NODE}" "${READER_DIR}/read-mdb.mjs" "${mdb}"
    --tables "${ARG_TABLES}" ${expectations}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "mdb-reader disagrees with ${name}:\n${output}")
  endif()
  message(STATUS "${output}")
endfunction()

check(family_and_married TABLES family,married,places
  ARGS --family family.csv --married married.csv --table places=places.csv)
check(family_only TABLES family ARGS --family family.csv)
check(other_tables_first TABLES places,married ARGS --table places=places.csv --married married.csv)
