# Fails when a translatable text of the windows has no finished English
# translation, or the catalogue holds one no source uses any more.
# usage: cmake -DROOT=<source dir> -DLUPDATE=<lupdate> -DTS=<.ts> -DWORK=<dir> -P check_translations.cmake

get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${TS}" "${copy}")
execute_process(
    COMMAND "${LUPDATE}" -silent -locations none
        "${ROOT}/app" "${ROOT}/editor" "${ROOT}/levels" "${ROOT}/player" "${ROOT}/ui" -ts "${copy}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
endif()

file(READ "${copy}" catalogue)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\""
    open "${catalogue}")
if(open)
    list(TRANSFORM open REPLACE "<source>([^<]*)</source>.*type=\"([a-z]+)\"" "  \\2: \\1")
    list(JOIN open "\n" listed)
    message(FATAL_ERROR "${name} is not up to date with the sources:\n${listed}\n"
        "Build the update_translations target and translate what it marks unfinished.")
endif()
