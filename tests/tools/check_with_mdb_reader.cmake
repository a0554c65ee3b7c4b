# Writes the sample CSVs in data/ with kinmora-mkfamily, in every --format, and checks every
# table of the written files, and their password, through tests/reader/read-mdb.mjs (the npm
# mdb-reader, not libmdb).
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

# check(NAME FORMAT f TABLES a,b,... [PASSWORD p] ARGS writer arguments...)
function(check name)
  cmake_parse_arguments(ARG "" "FORMAT;TABLES;PASSWORD" "ARGS" ${ARGN})
  set(mdb "${WORK_DIR}/${name}-${ARG_FORMAT}.mdb")
  execute_process(COMMAND "${MKFAMILY}" ${ARG_ARGS} --format "${ARG_FORMAT}"
                          "--password=${ARG_PASSWORD}" -o "${mdb}"
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
    --tables "${ARG_TABLES}" ${expectations} --password "${ARG_PASSWORD}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "mdb-reader disagrees with ${name}:\n${output}")
  endif()
  message(STATUS "${output}")
endfunction()

foreach(format access97 access2000 access2007)
  check(family_and_married FORMAT ${format} TABLES family,married,places
    ARGS --family family.csv --married married.csv --table places=places.csv)
  check(family_only FORMAT ${format} TABLES family PASSWORD "รหัส 1234" ARGS --family family.csv)
  check(other_tables_first FORMAT ${format} TABLES places,married
    ARGS --table places=places.csv --married married.csv)
endforeach()
