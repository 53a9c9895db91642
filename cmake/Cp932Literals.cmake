# Every Qt-free target compiles copies of its sources and of the project's headers in which
# cp932_literals.py has written the non-ASCII characters of plain literals as octal escapes
# of their code page 932 bytes. One step for every compiler (clang has no code page 932
# execution character set), so g++ and clang compile the same text to the same bytes, and
# the sources stay readable UTF-8. The copies are made at the end of configuration, when
# every target has all its sources.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(QUILLET_CP932_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/cp932_literals.py)
set(QUILLET_CP932_DIR ${CMAKE_BINARY_DIR}/cp932)

# Never use this for a target that hands literals to Qt.
function(quillet_cp932_target target)
    set_property(GLOBAL APPEND PROPERTY QUILLET_CP932_TARGETS ${target})
    # The copied headers come first, so that the copies include each other.
    target_include_directories(${target} BEFORE PRIVATE ${QUILLET_CP932_DIR})
endfunction()

# The copy of `source` (an absolute path), with the command that makes it.
function(_quillet_cp932_copy source copy_var)
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${source})
    set(copy ${QUILLET_CP932_DIR}/${relative})
    get_property(copies GLOBAL PROPERTY QUILLET_CP932_COPIES)
    if(NOT copy IN_LIST copies)
        add_custom_command(OUTPUT ${copy}
            COMMAND Python3::Interpreter ${QUILLET_CP932_SCRIPT} ${source} ${copy}
            DEPENDS ${source} ${QUILLET_CP932_SCRIPT}
            VERBATIM)
        set_property(GLOBAL APPEND PROPERTY QUILLET_CP932_COPIES ${copy})
    endif()
    set(${copy_var} ${copy} PARENT_SCOPE)
endfunction()

function(_quillet_cp932_make_copies)
    add_test(NAME Cp932Literals.Conversions
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tests/cmake/cp932_literals_test.py)
    get_property(targets GLOBAL PROPERTY QUILLET_CP932_TARGETS)
    if(NOT targets)
        return()
    endif()
    foreach(target IN LISTS targets)
        get_target_property(sources ${target} SOURCES)
        get_target_property(folder ${target} SOURCE_DIR)
        set(compiled)
        foreach(source IN LISTS sources)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder} NORMALIZE)
            cmake_path(IS_PREFIX CMAKE_SOURCE_DIR ${source} in_sources)
            cmake_path(IS_PREFIX CMAKE_BINARY_DIR ${source} in_build)
            if(source MATCHES "\\.cpp$" AND in_sources AND NOT in_build)
                _quillet_cp932_copy(${source} source)
            endif()
            list(APPEND compiled ${source})
        endforeach()
        set_property(TARGET ${target} PROPERTY SOURCES ${compiled})
        add_dependencies(${target} quillet_cp932_copies)
    endforeach()
    # Every header of the project, since any of them may hold a literal. Build folders
    # inside the source folder are left out, this one before its cache is written.
    file(GLOB folders LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/[!.]*)
    foreach(folder IN LISTS folders)
        cmake_path(IS_PREFIX folder ${CMAKE_BINARY_DIR} holds_this_build)
        if(IS_DIRECTORY ${folder} AND NOT EXISTS ${folder}/CMakeCache.txt
           AND NOT holds_this_build)
            file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${folder}/*.h)
            foreach(header IN LISTS headers)
                _quillet_cp932_copy(${header} copy)
            endforeach()
        endif()
    endforeach()
    get_property(copies GLOBAL PROPERTY QUILLET_CP932_COPIES)
    add_custom_target(quillet_cp932_copies DEPENDS ${copies})
endfunction()

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _quillet_cp932_make_copies)
