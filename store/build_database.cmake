# cmake -DSQLITE3=shell -DSCHEMA=schema.sql -DSEEDS="a.sql|b.sql" -DOUT=db -P build_database.cmake
# Builds into a temporary file and moves it into place only when every file
# ran, so a broken seed never leaves a half-built database behind.
string(REPLACE "|" ";" _seeds "${SEEDS}")
set(_tmp "${OUT}.tmp")
file(REMOVE "${_tmp}" "${_tmp}-journal")
get_filename_component(_dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${_dir}")
set(_args "PRAGMA journal_mode=MEMORY;" "PRAGMA synchronous=OFF;" ".read '${SCHEMA}'")
foreach(_f IN LISTS _seeds)
  if(_f)
    list(APPEND _args ".read '${_f}'")
  endif()
endforeach()
list(APPEND _args "PRAGMA integrity_check;")
execute_process(
  COMMAND "${SQLITE3}" -bail -batch "${_tmp}" ${_args}
  RESULT_VARIABLE _rc
  OUTPUT_VARIABLE _out
  ERROR_VARIABLE _err)
string(STRIP "${_out}" _out)
if(NOT _rc EQUAL 0 OR NOT _out MATCHES "ok$")
  file(REMOVE "${_tmp}")
  message(FATAL_ERROR "tqinfo.ocx: building failed (${_rc}): ${_err} ${_out}")
endif()
file(RENAME "${_tmp}" "${OUT}")
