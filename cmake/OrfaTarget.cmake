# Common settings for every target of our own: strict warnings (errors with
# ORFA_WERROR, which the test command and CI switch on) and Qt's strictness defines.
function(orfa_target_defaults target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
    if(ORFA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
        QT_NO_KEYWORDS QT_NO_FOREACH)
    # Precompiled headers pay only where several files parse them.
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources source_count)
    get_target_property(type ${target} TYPE)
    if(source_count GREATER_EQUAL 3 OR type STREQUAL "OBJECT_LIBRARY")
        orfa_precompile_headers(${target})
    endif()
endfunction()

# With ORFA_PCH (the test command's GCC builds) the target precompiles
# cmake/OrfaPrecompiled.h; a no-op otherwise.
option(ORFA_PCH "Precompile the common Qt and standard headers of each target" OFF)
function(orfa_precompile_headers target)
    if(ORFA_PCH)
        target_precompile_headers(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/OrfaPrecompiled.h)
    endif()
endfunction()

# With ORFA_PCH, target uses the precompiled headers of from, which has the same
# compile options and Qt modules (a test and its area's helpers).
function(orfa_reuse_precompiled_headers target from)
    if(ORFA_PCH AND TARGET ${from})
        target_precompile_headers(${target} REUSE_FROM ${from})
    endif()
endfunction()

# A QtTest executable registered with CTest. Usage:
#   orfa_add_test(NAME name SOURCES a.cpp ... LIBS lib ...)
function(orfa_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    orfa_target_defaults(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
endfunction()
