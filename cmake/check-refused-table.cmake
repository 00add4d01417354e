# A tool table of 16 inputs compiles; one of 17 fails with the limit's message.
execute_process(
  COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I ${SOURCE_DIR} ${SOURCE}
  RESULT_VARIABLE sixteen ERROR_VARIABLE sixteen_errors)
if(NOT sixteen EQUAL 0)
  message(FATAL_ERROR "16 inputs should compile:\n${sixteen_errors}")
endif()
execute_process(
  COMMAND ${COMPILER} -std=c++20 -fsyntax-only -DTOO_MANY_INPUTS -I ${SOURCE_DIR} ${SOURCE}
  RESULT_VARIABLE seventeen ERROR_VARIABLE seventeen_errors)
if(seventeen EQUAL 0)
  message(FATAL_ERROR "17 inputs compiled")
endif()
if(NOT seventeen_errors MATCHES "a tool holds at most 16 inputs")
  message(FATAL_ERROR "17 inputs failed for another reason:\n${seventeen_errors}")
endif()
message(STATUS "17 inputs refused at compile time")
