# Fails when a C++ source of the repository differs from .clang-format.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/engine/*.cpp ${SOURCE_DIR}/engine/*.h
  ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/reports/*.cpp ${SOURCE_DIR}/reports/*.h
  ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/layers/*.cpp
  ${SOURCE_DIR}/fuzz/*.cpp ${SOURCE_DIR}/fuzz/*.h ${SOURCE_DIR}/bench/*.cpp
  ${SOURCE_DIR}/bench/*.h)
execute_process(COMMAND clang-format --dry-run --Werror ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE differs ERROR_VARIABLE report)
if(differs)
  message(FATAL_ERROR "sources differ from .clang-format (run clang-format -i):\n${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources formatted")
