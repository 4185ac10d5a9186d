# The English translation of the user interface (Chinese source texts): lrelease compiles
# kestra_en.ts into the resources of kestra_i18n under :/i18n; the target update_translations
# runs lupdate over the sources to refresh kestra_en.ts.
find_program(KESTRA_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
             NO_DEFAULT_PATH REQUIRED)
find_program(KESTRA_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}
             /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)

set(KESTRA_TS_FILE ${CMAKE_SOURCE_DIR}/src/res/translations/kestra_en.ts CACHE INTERNAL "")
set(KESTRA_TR_SOURCE_DIRS app channels settings service image link cli)
list(TRANSFORM KESTRA_TR_SOURCE_DIRS PREPEND ${CMAKE_SOURCE_DIR}/src/)
set(KESTRA_TR_SOURCE_DIRS ${KESTRA_TR_SOURCE_DIRS} CACHE INTERNAL "")
# UI_TEXT(context, text) marks the texts of the plain tables.
set(KESTRA_LUPDATE_OPTIONS -silent -I ${CMAKE_SOURCE_DIR}/src -extensions cpp,h -locations none
    -no-obsolete -source-language zh_CN -target-language en_US
    -tr-function-alias QT_TRANSLATE_NOOP+=UI_TEXT CACHE INTERNAL "")

set(_kestra_qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/kestra_en.qm)
add_custom_command(OUTPUT ${_kestra_qm}
                   COMMAND ${KESTRA_LRELEASE} -silent ${KESTRA_TS_FILE} -qm ${_kestra_qm}
                   DEPENDS ${KESTRA_TS_FILE} VERBATIM)
set_source_files_properties(${_kestra_qm} PROPERTIES GENERATED TRUE)
qt_add_resources(kestra_i18n kestra_translations PREFIX /i18n
                 BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${_kestra_qm})

add_custom_target(update_translations
                  COMMAND ${KESTRA_LUPDATE} ${KESTRA_LUPDATE_OPTIONS} ${KESTRA_TR_SOURCE_DIRS}
                          -ts ${KESTRA_TS_FILE}
                  VERBATIM)
