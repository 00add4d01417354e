# A table that passes its checks compiles; with -D${DEFINE} it must fail with
# ${MESSAGE}, the check's own words.
execute_process(
  COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I ${SOURCE_DIR} ${SOURCE}
  RESULT_VARIABLE good ERROR_VARIABLE good_errors)
if(NOT good EQUAL 0)
  message(FATAL_ERROR "${SOURCE} should compile:\n${good_errors}")
endif()
execute_process(
  COMMAND ${COMPILER} -std=c++20 -fsyntax-only -D${DEFINE} -I ${SOURCE_DIR} ${SOURCE}
  RESULT_VARIABLE bad ERROR_VARIABLE bad_errors)
if(bad EQUAL 0)
  message(FATAL_ERROR "${SOURCE} compiled with ${DEFINE}")
endif()
if(NOT bad_errors MATCHES "${MESSAGE}")
  message(FATAL_ERROR "${SOURCE} with ${DEFINE} failed for another reason:\n${bad_errors}")
endif()
message(STATUS "${DEFINE} refused at compile time")
