# Each library publishes its own module's headers and nothing else: a file can include another
# module's header only when its target links that module's library. Headers keep their paths
# from the top of the tree ("graphics/Graphics.h"); what a target publishes is a folder of its
# own in the build tree that holds links to exactly its headers, at those paths.
#
#   vantor_publish_headers(TARGET FOLDER folder [AS path] [ONLY header...] [EXCEPT header...])
#
# FOLDER is the headers' folder, relative to the top of the tree. AS is the path they are
# included by (FOLDER unless given: "support" for tests/support). ONLY names the headers of the
# folder that are the target's, EXCEPT those that are another target's; without either, every
# header of the folder is. A target that is a program publishes to itself alone.
function(vantor_publish_headers target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "FOLDER;AS" "ONLY;EXCEPT")
    if(NOT arg_AS)
        set(arg_AS ${arg_FOLDER})
    endif()
    if(arg_ONLY)
        set(headers ${arg_ONLY})
    else()
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/${arg_FOLDER}
             ${PROJECT_SOURCE_DIR}/${arg_FOLDER}/*.h)
        if(arg_EXCEPT)
            list(REMOVE_ITEM headers ${arg_EXCEPT})
        endif()
    endif()
    # Made afresh at every configuration, so that a header removed or moved leaves no link.
    set(root ${PROJECT_BINARY_DIR}/published/${target})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${arg_AS})
    foreach(header IN LISTS headers)
        set(source ${PROJECT_SOURCE_DIR}/${arg_FOLDER}/${header})
        if(NOT EXISTS ${source})
            message(FATAL_ERROR "${target} publishes ${arg_FOLDER}/${header}, which is not there")
        endif()
        file(CREATE_LINK ${source} ${root}/${arg_AS}/${header} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_include_directories(${target} PRIVATE ${root})
    elseif(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
