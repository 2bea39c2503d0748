# Installs the built program into a temporary prefix, and again into a staging folder
# (DESTDIR) under another prefix, and checks that every file lands inside, that the command
# in bin/ is a relative link reaching the program, and that nothing is written elsewhere.
#   cmake -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder> -P install_into_prefix.cmake
file(REMOVE_RECURSE "${WORK_DIR}")

function(check_install prefix root)
  # The command the configured prefix would have got, had the install used it.
  file(READ "${BUILD_DIR}/CMakeCache.txt" cache)
  string(REGEX MATCH "CMAKE_INSTALL_PREFIX:PATH=([^\n]*)" _ "${cache}")
  set(configured "${CMAKE_MATCH_1}/bin/vornask-creator")
  set(existed FALSE)
  if(EXISTS "${configured}" OR IS_SYMLINK "${configured}")
    set(existed TRUE)
  endif()

  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ARGN}
                          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "install into ${prefix} failed: ${errors}")
  endif()
  if(NOT existed AND (EXISTS "${configured}" OR IS_SYMLINK "${configured}"))
    file(REMOVE "${configured}")
    message(FATAL_ERROR "written into the configured prefix: ${configured}")
  endif()
  string(REGEX MATCHALL "(Installing|Up-to-date): [^\n]*" written "${output}")
  list(LENGTH written count)
  if(count LESS 6)
    message(FATAL_ERROR "too few files installed:\n${output}")
  endif()
  foreach(line IN LISTS written)
    string(REGEX REPLACE "^[^:]*: " "" path "${line}")
    cmake_path(IS_PREFIX root "${path}" NORMALIZE inside)
    if(NOT inside)
      message(FATAL_ERROR "written outside ${root}: ${path}")
    endif()
  endforeach()

  set(link "${root}/bin/vornask-creator")
  if(NOT IS_SYMLINK "${link}")
    message(FATAL_ERROR "no command link ${link}")
  endif()
  file(READ_SYMLINK "${link}" target)
  if(IS_ABSOLUTE "${target}")
    message(FATAL_ERROR "the command link points to an absolute path: ${target}")
  endif()
  file(REAL_PATH "${link}" program)
  file(REAL_PATH "${root}" realRoot)
  cmake_path(IS_PREFIX realRoot "${program}" NORMALIZE inside)
  get_filename_component(programDir "${program}" DIRECTORY)
  if(NOT inside OR NOT EXISTS "${program}" OR NOT EXISTS "${programDir}/help.txt")
    message(FATAL_ERROR "the command link does not reach the program beside help.txt: ${program}")
  endif()
endfunction()

check_install("${WORK_DIR}/prefix" "${WORK_DIR}/prefix")
check_install("/opt/vornask-install-test" "${WORK_DIR}/stage/opt/vornask-install-test"
              "DESTDIR=${WORK_DIR}/stage")
file(REMOVE_RECURSE "${WORK_DIR}")
