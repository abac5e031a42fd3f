# Writes the help's gallery page of the sample mazes: the template with one
# table row a maze, in the order given, its figures read by orvane-mdt.
# usage: cmake -DMDT=<orvane-mdt> -DMAZES=<folder of the .mdt files>
#   -DNAMES=<name,name,...> -DTHUMBNAILS=<thumbnail folder, from the page>
#   -DTEMPLATE=<page.html.in> -DOUT=<page.html> -DLANGUAGE=ja|en -P gallery.cmake
if(LANGUAGE STREQUAL "ja")
    set(seconds_format "@秒")
    set(no_limit "なし")
else()
    set(seconds_format "@ s")
    set(no_limit "none")
endif()

# One JSON object from an orvane-mdt command on `maze`.
function(mdt_json out command maze)
    execute_process(COMMAND ${MDT} ${command} --json ${maze}
        OUTPUT_VARIABLE json ERROR_VARIABLE problem RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "orvane-mdt ${command} ${maze} failed (${status}): ${problem}")
    endif()
    set(${out} "${json}" PARENT_SCOPE)
endfunction()

function(html_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE "," ";" names "${NAMES}")
set(rows "")
foreach(name IN LISTS names)
    set(maze ${MAZES}/${name}.mdt)
    mdt_json(info info ${maze})
    mdt_json(check check ${maze})
    string(JSON title GET "${info}" title)
    string(JSON width GET "${info}" width)
    string(JSON height GET "${info}" height)
    string(JSON grade GET "${check}" grade)
    string(JSON keys GET "${check}" keys)
    string(JSON limit_type TYPE "${check}" timeLimit)
    if(limit_type STREQUAL "NULL")
        set(limit "${no_limit}")
    else()
        string(JSON seconds GET "${check}" timeLimit)
        string(REPLACE "@" "${seconds}" limit "${seconds_format}")
    endif()
    html_escape(title "${title}")
    string(APPEND rows "<tr><td><img src=\"${THUMBNAILS}/${name}.png\" alt=\"\"></td>"
        "<td><b>${title}</b><br>${name}.mdt</td><td>${width} × ${height}</td>"
        "<td>${grade}</td><td>${keys}</td><td>${limit}</td></tr>\n")
endforeach()

file(READ ${TEMPLATE} page)
string(REPLACE "@ROWS@\n" "${rows}" page "${page}")
file(WRITE ${OUT} "${page}")
