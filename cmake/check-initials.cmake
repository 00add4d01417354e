# The tools' initials against Unihan's readings, and the home's reading
# table against what they give: MANIFEST lists the titles, the script
# checks. With PLANT, one initial is changed first and the check must fail.
execute_process(COMMAND ${MANIFEST} --titles OUTPUT_VARIABLE titles RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "suite_manifest --titles failed")
endif()
if(PLANT)
  # Tool 70's initials, dba (多巴胺), made dxa: 巴 is ba, never x.
  string(REPLACE "\tdbapzyjl" "\tdxapzyjl" planted "${titles}")
  if(planted STREQUAL titles)
    message(FATAL_ERROR "the planted initial was not found")
  endif()
  set(titles "${planted}")
endif()
file(WRITE ${WORK_DIR}/titles.tsv "${titles}")
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/scripts/title_readings.py --check
  ${SOURCE_DIR}/app/decisions/title_readings.h ${WORK_DIR}/titles.tsv
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE failed)
message(STATUS "${output}${errors}")
if(PLANT AND NOT (failed AND output MATCHES "巴 is read ba, none begins with x"))
  message(FATAL_ERROR "the planted initial was not caught")
endif()
if(NOT PLANT AND failed)
  message(FATAL_ERROR "an initial or the reading table does not agree with Unihan")
endif()
