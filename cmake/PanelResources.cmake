# panel_add_qrc_resources(<target> <name> QRC <file.qrc> PREFIX <prefix> BASE <dir>)
# Builds the files a resource list names into a library target under <prefix>,
# paths taken relative to <dir>, or a file's alias="..." when it has one. Built
# into the target itself, so users of a static library need no resource
# initialisation call. The list is re-read when the .qrc changes.
function(panel_add_qrc_resources target name)
    cmake_parse_arguments(R "" "QRC;PREFIX;BASE" "" ${ARGN})
    get_filename_component(qrc_dir ${R_QRC} DIRECTORY)
    file(STRINGS ${R_QRC} qrc_lines REGEX "<file")
    set(files "")
    foreach(line IN LISTS qrc_lines)
        string(REGEX REPLACE ".*>(.*)</file>.*" "\\1" file "${line}")
        # An alias names the file inside the resources (paths without an extension).
        if(line MATCHES "alias=\"([^\"]*)\"")
            set_source_files_properties(${qrc_dir}/${file} PROPERTIES QT_RESOURCE_ALIAS "${CMAKE_MATCH_1}")
        endif()
        list(APPEND files ${qrc_dir}/${file})
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${R_QRC})
    qt_add_resources(${target} ${name} PREFIX ${R_PREFIX} BASE ${R_BASE} FILES ${files})
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
