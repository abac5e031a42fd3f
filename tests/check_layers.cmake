# Fails when a source file includes a header of a layer it may not see.
# usage: cmake -DROOT=<source dir> -P check_layers.cmake
#
# Each folder lists the folders whose headers it may include; a folder's own
# headers are always allowed. Layers only point down:
#   app -> editor, player, levels -> ui -> mazefile -> maze
# ui's platform interfaces sit below its services and music (the generator's
# request they pass comes from maze), and its wording of file problems and
# generator requests between ui and mazefile, where orvane-mdt uses it too.

set(layers
    maze
    mazefile
    ui/platform
    ui/wording
    ui/services
    ui/music
    ui
    editor
    player
    levels
    app
    tools/mdt
    tools/chipgen
    tools/helppics)

set(allowed_maze "")
set(allowed_mazefile maze)
set(allowed_ui/platform maze)
set(allowed_ui/wording maze mazefile)
set(allowed_ui/services maze ui/platform ui/wording)
set(allowed_ui/music ui/platform)
set(allowed_ui maze mazefile ui/platform ui/wording)
set(allowed_editor maze mazefile ui/platform ui/wording ui)
set(allowed_player maze mazefile ui/platform ui/wording ui)
set(allowed_levels maze mazefile ui/platform ui/wording ui)
set(allowed_app maze mazefile ui/platform ui/wording ui/services ui/music ui editor player levels)
set(allowed_tools/mdt maze mazefile ui/platform ui/wording)
set(allowed_tools/chipgen maze)
set(allowed_tools/helppics maze mazefile)

# The layer a path inside the source tree belongs to: the longest matching folder.
function(layer_of path out)
    set(best "")
    foreach(layer IN LISTS layers)
        string(LENGTH "${layer}" len)
        string(LENGTH "${best}" best_len)
        if(path MATCHES "^${layer}/" AND len GREATER best_len)
            set(best "${layer}")
        endif()
    endforeach()
    set(${out} "${best}" PARENT_SCOPE)
endfunction()

# Every header of the layers, by the name an include may use for it: its path
# below the folder that declares it as an include folder (the layer itself,
# ui/controls and editor/tools).
set(include_roots ${layers} ui/controls editor/tools)
set(failures "")
set(checked 0)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources RELATIVE "${ROOT}"
        "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        layer_of("${source}" own)
        if(NOT own STREQUAL layer)
            continue() # belongs to a nested layer, checked there
        endif()
        math(EXPR checked "${checked} + 1")
        get_filename_component(source_dir "${source}" DIRECTORY)
        file(STRINGS "${ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" name "${line}")
            set(found "")
            foreach(root IN ITEMS ${source_dir} ${include_roots})
                if(EXISTS "${ROOT}/${root}/${name}")
                    set(found "${root}/${name}")
                    break()
                endif()
            endforeach()
            if(found STREQUAL "")
                continue() # generated (moc) or not ours
            endif()
            file(RELATIVE_PATH found "${ROOT}" "${ROOT}/${found}")
            layer_of("${found}" target)
            if(target STREQUAL layer)
                continue()
            endif()
            list(FIND allowed_${layer} "${target}" index)
            if(index EQUAL -1)
                list(APPEND failures "${source} includes ${found} (layer ${target})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "includes that point up or across the layers:\n  ${text}")
endif()
message(STATUS "layers: ${checked} files, every include points down")
