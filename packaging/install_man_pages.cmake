# Writes the manual pages and the Debian changelog at install time, gzipped as
# Debian wants them, so that the paths the pages name are those of the prefix
# actually installed into (cmake --install --prefix, or /usr in the package).
#
# Expects: KINMORA_PACKAGING_DIR, KINMORA_PACKAGING_BINARY_DIR, PROJECT_VERSION,
# KINMORA_RELEASE_DATE, KINMORA_DATADIR, KINMORA_MANDIR, KINMORA_DOCDIR.

function(kinmora_gzip_install source destination)
  get_filename_component(name "${source}" NAME)
  set(packed "${KINMORA_PACKAGING_BINARY_DIR}/${name}.gz")
  # -n leaves out the name and time stamp, so that the package is reproducible.
  execute_process(COMMAND gzip -9nc "${source}" OUTPUT_FILE "${packed}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not pack ${source}")
  endif()
  file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${packed}")
endfunction()

# GNUInstallDirs folders are relative to the prefix unless given absolute.
function(kinmora_full_path variable dir)
  if(IS_ABSOLUTE "${dir}")
    set(${variable} "${dir}" PARENT_SCOPE)
  else()
    set(${variable} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

kinmora_full_path(KINMORA_FULL_DATADIR "${KINMORA_DATADIR}/kinmora")
kinmora_full_path(man_dir "${KINMORA_MANDIR}/man1")
kinmora_full_path(doc_dir "${KINMORA_DOCDIR}")
set(KINMORA_MAN_DATE "${KINMORA_RELEASE_DATE}")

foreach(page kinmora kinmora-cli kinmora-mkfamily)
  set(written "${KINMORA_PACKAGING_BINARY_DIR}/man/${page}.1")
  configure_file("${KINMORA_PACKAGING_DIR}/man/${page}.1.in" "${written}" @ONLY)
  kinmora_gzip_install("${written}" "${man_dir}")
endforeach()

# A Debian package names its changelog changelog.gz when it is its own upstream.
configure_file("${KINMORA_PACKAGING_DIR}/changelog" "${KINMORA_PACKAGING_BINARY_DIR}/changelog" COPYONLY)
kinmora_gzip_install("${KINMORA_PACKAGING_BINARY_DIR}/changelog" "${doc_dir}")
