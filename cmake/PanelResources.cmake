# panel_add_qrc_resources(<target> <name> QRC <file.qrc> PREFIX <prefix> BASE <dir>)
# Builds the files a resource list names into a library target under <prefix>,
# paths taken relative to <dir>. Built into the target itself, so users of a
# static library need no resource initialisation call. The list is re-read
# when the .qrc changes.
function(panel_add_qrc_resources target name)
    cmake_parse_arguments(R "" "QRC;PREFIX;BASE" "" ${ARGN})
    get_filename_component(qrc_dir ${R_QRC} DIRECTORY)
    file(STRINGS ${R_QRC} qrc_lines REGEX "<file")
    set(files "")
    foreach(line IN LISTS qrc_lines)
        string(REGEX REPLACE ".*>(.*)</file>.*" "\\1" file "${line}")
        list(APPEND files ${qrc_dir}/${file})
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${R_QRC})
    qt_add_resources(${target} ${name} PREFIX ${R_PREFIX} BASE ${R_BASE} FILES ${files})
endfunction()
