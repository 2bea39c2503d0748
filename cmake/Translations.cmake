# The catalog of the program's texts and its translations, with Qt's LinguistTools:
#   translations/vornask-creator.ts        every text the windows and the command line show,
#                                          as the code holds it; the template of a translation
#   translations/vornask-creator_LANG.ts   a translation (LANG as in "de" or "pt_BR"); every
#                                          such file is built into the program, which shows it
#                                          where the system's language is LANG
# "cmake --build build --target update_translations" extracts the texts again into the catalog
# and every translation; the test catalog_is_current fails while the catalog misses a text.
# Without LinguistTools the program is built in English alone.
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(NOT Qt6LinguistTools_FOUND)
  message(STATUS "Qt's LinguistTools not found: the program is built without translations")
  return()
endif()

set(VORNASK_CATALOG ${PROJECT_SOURCE_DIR}/translations/vornask-creator.ts)
file(GLOB VORNASK_TRANSLATIONS CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/translations/vornask-creator_*.ts)

# The files whose texts are shown: every window's and the command line's. The core words none.
file(GLOB_RECURSE VORNASK_TEXT_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/ui/*.h)
list(SORT VORNASK_TEXT_SOURCES)
list(APPEND VORNASK_TEXT_SOURCES ${PROJECT_SOURCE_DIR}/src/main.cpp)
list(JOIN VORNASK_TEXT_SOURCES "\n" VORNASK_TEXT_SOURCE_LINES)
set(VORNASK_TEXT_SOURCE_LIST ${PROJECT_BINARY_DIR}/catalog-sources.txt)
file(CONFIGURE OUTPUT ${VORNASK_TEXT_SOURCE_LIST} CONTENT "${VORNASK_TEXT_SOURCE_LINES}\n")

set(VORNASK_CATALOG_SCRIPT
    -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DSOURCE_LIST=${VORNASK_TEXT_SOURCE_LIST}
    -DINCLUDE_DIR=${PROJECT_SOURCE_DIR}/src -DCATALOG=${VORNASK_CATALOG})
list(JOIN VORNASK_TRANSLATIONS "|" VORNASK_TRANSLATION_LIST)
add_custom_target(update_translations
  COMMAND ${CMAKE_COMMAND} ${VORNASK_CATALOG_SCRIPT} -DMODE=update
          "-DTRANSLATIONS=${VORNASK_TRANSLATION_LIST}" -P ${PROJECT_SOURCE_DIR}/cmake/Catalog.cmake
  COMMENT "Extracting the program's texts into translations/"
  VERBATIM)
if(VORNASK_BUILD_TESTS)
  add_test(NAME catalog_is_current
           COMMAND ${CMAKE_COMMAND} ${VORNASK_CATALOG_SCRIPT} -DMODE=check
                   -DSCRATCH=${PROJECT_BINARY_DIR}/catalog-check.ts
                   -P ${PROJECT_SOURCE_DIR}/cmake/Catalog.cmake)
endif()

if(VORNASK_TRANSLATIONS)
  qt_add_lrelease(vornask-creator TS_FILES ${VORNASK_TRANSLATIONS}
                  QM_FILES_OUTPUT_VARIABLE VORNASK_QM_FILES)
  qt_add_resources(vornask-creator vornask_translations PREFIX /i18n
                   BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${VORNASK_QM_FILES})
endif()
