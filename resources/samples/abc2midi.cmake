# Turns one tune into MIDI. abc2midi reports mistakes in a tune on its output
# and still succeeds: any warning or error it prints fails the build.
# usage: cmake -DABC2MIDI=<program> -DIN=<tune.abc> -DOUT=<tune.mid> -P abc2midi.cmake
set(partial ${OUT}.part)
execute_process(COMMAND ${ABC2MIDI} ${IN} -o ${partial}
    OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR report MATCHES "Warning|Error" OR NOT EXISTS ${partial})
    file(REMOVE ${partial})
    message(FATAL_ERROR "abc2midi could not turn ${IN} into MIDI cleanly:\n${report}")
endif()
file(RENAME ${partial} ${OUT})
