# One static library per area of src/, linked only along the allowed directions:
#   base -> platform (ports) -> feature areas -> library and dispatch -> app
# An area sees the headers of its own folder and of the areas it links, nothing else: each area publishes
# its headers through a folder of links in the build tree, so an include against the direction of the
# layers fails to compile instead of quietly building.
#
# flickmark_area(<name> FOLDER <src subfolder> [DEPENDS <area> ...] [WINDOWS_ONLY] [PORTABLE_ONLY])
#   Portable sources are every .cpp of the folder (not recursive) except *_win.cpp; on Windows the
#   *_win.cpp files join them. A WINDOWS_ONLY area takes every .cpp and exists only in the Windows build;
#   a PORTABLE_ONLY area never takes the *_win.cpp files (its program builds them).

set(FLICKMARK_AREA_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/area-include)

function(flickmark_area name)
    cmake_parse_arguments(AREA "WINDOWS_ONLY;PORTABLE_ONLY" "FOLDER" "DEPENDS" ${ARGN})
    if(AREA_WINDOWS_ONLY AND NOT WIN32)
        return()
    endif()
    set(folder ${PROJECT_SOURCE_DIR}/src/${AREA_FOLDER})

    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(NOT WIN32 OR AREA_PORTABLE_ONLY)
        list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
    endif()
    file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)

    # The area's published headers: <root>/<name>/<folder>/<header> -> the source header.
    set(include_dir ${FLICKMARK_AREA_INCLUDE_ROOT}/${name})
    set(link_dir ${include_dir}/${AREA_FOLDER})
    file(REMOVE_RECURSE ${include_dir})
    file(MAKE_DIRECTORY ${link_dir})
    foreach(header ${headers})
        get_filename_component(header_name ${header} NAME)
        file(CREATE_LINK ${header} ${link_dir}/${header_name} SYMBOLIC)
    endforeach()

    set(target flickmark_${name})
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${include_dir})
        target_link_libraries(${target} PUBLIC ${AREA_DEPENDS})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${include_dir})
        target_link_libraries(${target} INTERFACE ${AREA_DEPENDS})
    endif()
endfunction()
