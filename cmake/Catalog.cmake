# Extracts the program's texts with lupdate (cmake -P, from cmake/Translations.cmake).
#   MODE=update  into the catalog and every translation in TRANSLATIONS ("|"-separated)
#   MODE=check   into a copy of the catalog (SCRATCH); fails when the copy differs, that is,
#                when the catalog misses a text the code holds or holds one it no longer does
# Places in the code are left out of the files, so that moving a text changes nothing.
set(options -silent -locations none -no-obsolete -I ${INCLUDE_DIR} @${SOURCE_LIST})

if(MODE STREQUAL "update")
  string(REPLACE "|" ";" translations "${TRANSLATIONS}")
  execute_process(COMMAND ${LUPDATE} ${options} -ts ${CATALOG} ${translations}
                  COMMAND_ERROR_IS_FATAL ANY)
elseif(MODE STREQUAL "check")
  if(EXISTS ${CATALOG})
    file(COPY_FILE ${CATALOG} ${SCRATCH})
  else()
    file(REMOVE ${SCRATCH})
  endif()
  execute_process(COMMAND ${LUPDATE} ${options} -ts ${SCRATCH} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CATALOG} ${SCRATCH}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "translations/vornask-creator.ts misses texts of the code, or holds "
            "texts it no longer has. Extract them again with "
            "\"cmake --build build --target update_translations\" and commit the catalog.")
  endif()
else()
  message(FATAL_ERROR "MODE must be update or check")
endif()
