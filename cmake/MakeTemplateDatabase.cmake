# Makes one template database from schema scripts.
#   cmake -DISQL=<isql-fb> -DOUTPUT=<file.FDB> -DSCRIPTS=<a.sql|b.sql> -P MakeTemplateDatabase.cmake
# The database is made under a temporary name and renamed when every script
# ran without error, so a failed build never leaves a half-made template.
foreach(var ISQL OUTPUT SCRIPTS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "MakeTemplateDatabase: ${var} is not set")
  endif()
endforeach()

string(REPLACE "|" ";" SCRIPTS "${SCRIPTS}")
set(partial "${OUTPUT}.partial")
set(driver "${OUTPUT}.sql")
file(REMOVE "${partial}" "${driver}")
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")

set(text "SET NAMES UTF8;\nCREATE DATABASE '${partial}' USER 'SYSDBA' PASSWORD 'pondelnik' PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1250;\n")
foreach(script IN LISTS SCRIPTS)
  string(APPEND text "INPUT '${script}';\n")
endforeach()
string(APPEND text "COMMIT;\nEXIT;\n")
file(WRITE "${driver}" "${text}")

execute_process(
  COMMAND "${ISQL}" -q -bail -i "${driver}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
file(REMOVE "${driver}")
if(NOT result EQUAL 0 OR err MATCHES "Statement failed|SQLSTATE")
  file(REMOVE "${partial}")
  message(FATAL_ERROR "Making ${OUTPUT} failed:\n${out}\n${err}")
endif()
file(RENAME "${partial}" "${OUTPUT}")
