# One static library per area of src/, linked only along the allowed directions:
#   base -> platform (ports) -> feature areas -> gesture sets -> library, editors -> app
# An area sees the headers of its own folder and of the areas it links, nothing else: each area publishes
# its headers through a folder of links in the build tree, so an include against the direction of the
# layers fails to compile instead of quietly building.
#
# flickmark_area(<name> FOLDER <src subfolder> [DEPENDS <area> ...] [WINDOWS_ONLY] [PORTABLE_ONLY])
#   flickmark_<name> holds the portable sources: every .cpp of the folder (not recursive) except *_win.cpp.
#   It sees no Win32 adapter and, in the Windows build, no <windows.h> either (a header of that name that
#   stops the build stands first on its include path). On Windows the *_win.cpp files form
#   flickmark_<name>_win, over the portable part, the Win32 adapters and the _win parts of the areas it
#   depends on. A WINDOWS_ONLY area takes every .cpp and exists only in the Windows build; a PORTABLE_ONLY
#   area never takes the *_win.cpp files (its program builds them).

set(FLICKMARK_AREA_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/area-include)
set(FLICKMARK_PORTABLE_GUARD_DIR ${CMAKE_CURRENT_LIST_DIR}/portable-guard)
# The targets of the Win32 parts, in the order they were made: what flickmark.exe and the test tools link.
set_property(GLOBAL PROPERTY FLICKMARK_WIN32_PARTS "")

function(flickmark_area name)
    cmake_parse_arguments(AREA "WINDOWS_ONLY;PORTABLE_ONLY" "FOLDER" "DEPENDS" ${ARGN})
    if(AREA_WINDOWS_ONLY AND NOT WIN32)
        return()
    endif()
    set(folder ${PROJECT_SOURCE_DIR}/src/${AREA_FOLDER})

    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    set(win32_sources "")
    if(NOT AREA_WINDOWS_ONLY)
        set(win32_sources ${sources})
        list(FILTER win32_sources INCLUDE REGEX "_win\\.cpp$")
        list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
        if(NOT WIN32 OR AREA_PORTABLE_ONLY)
            set(win32_sources "")
        endif()
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
        if(WIN32 AND NOT AREA_WINDOWS_ONLY)
            target_include_directories(${target} BEFORE PRIVATE ${FLICKMARK_PORTABLE_GUARD_DIR})
        endif()
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${include_dir})
        target_link_libraries(${target} INTERFACE ${AREA_DEPENDS})
    endif()
    if(AREA_WINDOWS_ONLY AND sources)
        set_property(GLOBAL APPEND PROPERTY FLICKMARK_WIN32_PARTS ${target})
    endif()

    if(win32_sources)
        add_library(${target}_win STATIC ${win32_sources})
        target_link_libraries(${target}_win PUBLIC ${target} flickmark_platform_win32
            flickmark_platform_win32_controls)
        foreach(dependency ${AREA_DEPENDS})
            if(TARGET ${dependency}_win)
                target_link_libraries(${target}_win PUBLIC ${dependency}_win)
            endif()
        endforeach()
        set_property(GLOBAL APPEND PROPERTY FLICKMARK_WIN32_PARTS ${target}_win)
    endif()
endfunction()
