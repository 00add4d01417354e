# The programs of the suite: one per line of tools/tool_list.h, each from the
# same libraries with its own tool, resources and name kelomed-tNNN.

# Reads the list: KELOMED_TOOL_IDS (in list order), and for each id
# KELOMED_TOOL_<id>_SOURCE and _NUMBER (three digits). The tables themselves
# are C++: what the build needs of them (titles, the suite's name) comes
# from the suite_manifest program. Writes the suite's version to the build
# tree for scripts/package.sh.
function(kelomed_read_tool_list)
  set(list_file ${CMAKE_SOURCE_DIR}/tools/tool_list.h)
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  file(STRINGS ${list_file} entries REGEX "^KELOMED_(INFUSION_)?TOOL\\(")
  set(ids "")
  foreach(entry IN LISTS entries)
    if(NOT entry MATCHES "^KELOMED_(INFUSION_)?TOOL\\(([0-9]+), ([a-z0-9_]+)\\)$")
      message(FATAL_ERROR "tools/tool_list.h: cannot read \"${entry}\"")
    endif()
    set(id ${CMAKE_MATCH_2})
    set(source ${CMAKE_SOURCE_DIR}/tools/${CMAKE_MATCH_3}.cpp)
    if(id IN_LIST ids)
      message(FATAL_ERROR "tools/tool_list.h: tool ${id} is listed twice")
    endif()
    if(id GREATER 999)
      message(FATAL_ERROR "tool ids have at most three digits: ${id}")
    endif()
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "tools/tool_list.h lists tool ${id} in ${source}, which does not exist")
    endif()
    set(number "00${id}")
    string(LENGTH "${number}" length)
    math(EXPR from "${length} - 3")
    string(SUBSTRING "${number}" ${from} 3 number)
    list(APPEND ids ${id})
    set(KELOMED_TOOL_${id}_SOURCE ${source} PARENT_SCOPE)
    set(KELOMED_TOOL_${id}_NUMBER ${number} PARENT_SCOPE)
  endforeach()
  set(KELOMED_TOOL_IDS ${ids} PARENT_SCOPE)
  file(WRITE ${CMAKE_BINARY_DIR}/suite-version.txt "${PROJECT_VERSION}")
endfunction()

# suite_manifest, built from the tables for the machine that builds, and
# what it writes: suite-programs.tsv, suite-name.txt, suite-home-name.txt
# and each program's resource texts (the home's too). A cross build makes it in a host build tree of its own
# (host/), so no Windows program runs while building.
function(kelomed_add_suite_manifest)
  add_executable(suite_manifest tools/suite_manifest.cpp tools/readme_tables.cpp)
  target_link_libraries(suite_manifest PRIVATE kelomed_tools)
  if(KELOMED_HOST_MANIFEST_ONLY)
    return()
  endif()
  if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(host ${CMAKE_BINARY_DIR}/host)
    ExternalProject_Add(host_suite_manifest
      SOURCE_DIR ${CMAKE_SOURCE_DIR}
      BINARY_DIR ${host}
      CMAKE_ARGS -DKELOMED_HOST_MANIFEST_ONLY=ON -DKELOMED_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
        -DKELOMED_WARNINGS_AS_ERRORS=${KELOMED_WARNINGS_AS_ERRORS}
      BUILD_COMMAND ${CMAKE_COMMAND} --build ${host} --target suite_manifest
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${host}/bin/suite_manifest)
    set(manifest ${host}/bin/suite_manifest)
    set(manifest_target host_suite_manifest)
  else()
    set(manifest $<TARGET_FILE:suite_manifest>)
    set(manifest_target suite_manifest)
  endif()
  set(outputs ${CMAKE_BINARY_DIR}/suite-programs.tsv ${CMAKE_BINARY_DIR}/suite-name.txt
    ${CMAKE_BINARY_DIR}/suite-home-name.txt ${CMAKE_BINARY_DIR}/resources/kelomed-texts.rc)
  foreach(id IN LISTS KELOMED_TOOL_IDS)
    list(APPEND outputs ${CMAKE_BINARY_DIR}/resources/kelomed-t${KELOMED_TOOL_${id}_NUMBER}-texts.rc)
  endforeach()
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/resources)
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${manifest} suite-programs.tsv suite-name.txt suite-home-name.txt resources
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${manifest_target}
    COMMENT "Reading the suite's tools from their tables")
  add_custom_target(suite_manifest_files ALL DEPENDS ${outputs})
endfunction()

# kelomed-tNNN: the program of tool `id`.
function(kelomed_add_program id)
  set(KELOMED_TOOL_NUMBER ${KELOMED_TOOL_${id}_NUMBER})
  set(KELOMED_ASSEMBLY_NAME Tool${KELOMED_TOOL_NUMBER})
  set(KELOMED_PROGRAM kelomed-t${KELOMED_TOOL_NUMBER})
  set(program ${KELOMED_PROGRAM})
  if(WIN32)
    set(resources ${CMAKE_BINARY_DIR}/resources/${program})
    set(KELOMED_ICON ${CMAKE_SOURCE_DIR}/app/resources/kelomed.ico)
    set(KELOMED_MANIFEST ${resources}.manifest)
    configure_file(${CMAKE_SOURCE_DIR}/app/resources/program.manifest.in ${resources}.manifest @ONLY)
    configure_file(${CMAKE_SOURCE_DIR}/app/resources/program.rc.in ${resources}.rc @ONLY)
    add_executable(${program} WIN32 app/tool_program/program_tool.cpp ${resources}.rc)
    # The title and the suite's name come from the tables, through
    # suite_manifest.
    add_dependencies(${program} suite_manifest_files)
    set_property(SOURCE ${resources}.rc APPEND PROPERTY OBJECT_DEPENDS
      ${KELOMED_ICON} ${resources}.manifest ${resources}-texts.rc)
    target_link_options(${program} PRIVATE -municode -s)
    target_link_libraries(${program} PRIVATE kelomed_tool_window)
  else()
    add_executable(${program} app/tool_program/program_tool.cpp app/tool_program/main_posix.cpp)
    if(NOT KELOMED_SANITIZE AND NOT KELOMED_FUZZ)
      # Static like the Windows program: loading the shared C++ runtime would
      # be most of the self-test's process time.
      target_link_options(${program} PRIVATE -static)
    endif()
  endif()
  target_compile_definitions(${program} PRIVATE KELOMED_TOOL_ID=${id})
  target_link_libraries(${program} PRIVATE kelomed_decisions kelomed_tools)
endfunction()

# kelomed: the home program, the list that finds and opens every tool. It
# holds every tool's table (their texts, for the list) and starts the
# tools' own programs.
function(kelomed_add_home)
  set(KELOMED_PROGRAM kelomed)
  set(KELOMED_ASSEMBLY_NAME Home)
  if(WIN32)
    set(resources ${CMAKE_BINARY_DIR}/resources/${KELOMED_PROGRAM})
    set(KELOMED_ICON ${CMAKE_SOURCE_DIR}/app/resources/kelomed.ico)
    set(KELOMED_MANIFEST ${resources}.manifest)
    configure_file(${CMAKE_SOURCE_DIR}/app/resources/program.manifest.in ${resources}.manifest @ONLY)
    configure_file(${CMAKE_SOURCE_DIR}/app/resources/program.rc.in ${resources}.rc @ONLY)
    add_executable(kelomed WIN32 ${resources}.rc)
    add_dependencies(kelomed suite_manifest_files)
    set_property(SOURCE ${resources}.rc APPEND PROPERTY OBJECT_DEPENDS
      ${KELOMED_ICON} ${resources}.manifest ${resources}-texts.rc)
    target_link_options(kelomed PRIVATE -municode -s)
    target_link_libraries(kelomed PRIVATE kelomed_home_window)
  else()
    add_executable(kelomed app/home_program/home_main_posix.cpp)
    if(NOT KELOMED_SANITIZE AND NOT KELOMED_FUZZ)
      target_link_options(kelomed PRIVATE -static)
    endif()
  endif()
  target_link_libraries(kelomed PRIVATE kelomed_decisions kelomed_tools)
endfunction()
