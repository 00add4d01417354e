# Runs PROGRAM --selftest in WORK_DIR (through EMULATOR when cross-built),
# with TODAY as the date when given, and compares the file it writes with
# EXPECTED, byte for byte.
get_filename_component(name ${PROGRAM} NAME_WE)
set(output selftest-check-${name}.txt)
set(today "")
if(TODAY)
  set(today --today=${TODAY})
endif()
file(REMOVE ${WORK_DIR}/${output})
execute_process(
  COMMAND ${EMULATOR} ${PROGRAM} --selftest ${output} ${today}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE exit_code)
if(NOT exit_code EQUAL 0)
  message(FATAL_ERROR "self-test exited with ${exit_code}, expected 0")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${output} ${EXPECTED}
  RESULT_VARIABLE differs)
if(differs)
  file(READ ${WORK_DIR}/${output} actual HEX)
  message(FATAL_ERROR "self-test file differs from ${EXPECTED}: ${actual}")
endif()
message(STATUS "self-test file matches ${EXPECTED}")
