# panel_add_qrc_resources(<target> <name> QRC <file.qrc> PREFIX <prefix> BASE <dir>)
# Builds the files a resource list names into a library target. Each
# <qresource prefix="..."> block keeps its own prefix (PREFIX stands for a block
# that names none); a file is reached by its alias when it has one, else by its
# path relative to <dir>. Built into the target itself, so users of a static
# library need no resource initialisation call. The list is re-read when the
# .qrc changes.
function(panel_add_qrc_resources target name)
    cmake_parse_arguments(R "" "QRC;PREFIX;BASE" "" ${ARGN})
    get_filename_component(qrc_dir ${R_QRC} DIRECTORY)
    file(STRINGS ${R_QRC} qrc_lines REGEX "<qresource|<file")
    set(blocks "")
    set(block -1)
    foreach(line IN LISTS qrc_lines)
        if(line MATCHES "<qresource")
            math(EXPR block "${block} + 1")
            set(prefix ${R_PREFIX})
            if(line MATCHES "prefix=\"([^\"]*)\"")
                set(prefix "${CMAKE_MATCH_1}")
            endif()
            set(block_${block}_prefix ${prefix})
            set(block_${block}_files "")
            list(APPEND blocks ${block})
            continue()
        endif()
        string(REGEX REPLACE ".*>(.*)</file>.*" "\\1" file "${line}")
        set(path ${qrc_dir}/${file})
        if(line MATCHES "alias=\"([^\"]*)\"")
            set_source_files_properties(${path} PROPERTIES QT_RESOURCE_ALIAS "${CMAKE_MATCH_1}")
        endif()
        list(APPEND block_${block}_files ${path})
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${R_QRC})
    foreach(b IN LISTS blocks)
        set(resource ${name})
        if(b GREATER 0)
            set(resource ${name}_${b})
        endif()
        qt_add_resources(${target} ${resource} PREFIX ${block_${b}_prefix} BASE ${R_BASE}
                         FILES ${block_${b}_files})
    endforeach()
endfunction()

# panel_add_resource_library(<name> QRC <file.qrc> PREFIX <prefix> BASE <dir>)
# A library that carries only resources (pictures several libraries and a program
# share). Linking it, directly or through a static library, puts the resources
# into the final executable: the resource objects travel as link items.
function(panel_add_resource_library name)
    cmake_parse_arguments(R "" "QRC;PREFIX;BASE" "" ${ARGN})
    add_library(${name}_objects OBJECT)
    target_link_libraries(${name}_objects PRIVATE Qt6::Core)
    panel_add_qrc_resources(${name}_objects ${name} QRC ${R_QRC} PREFIX ${R_PREFIX} BASE ${R_BASE})
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE $<TARGET_OBJECTS:${name}_objects>)
endfunction()
