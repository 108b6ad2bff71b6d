# quarvex_add_test(<name> SOURCES <files...> [LIBS <targets...>])
#
# One Qt Test executable registered with ctest. Every test runs headless
# (offscreen platform) under a fixed English locale; a test that needs another
# locale sets it itself with QLocale::setDefault.
find_package(Qt6 REQUIRED COMPONENTS Test)

function(quarvex_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set(env
        "QT_QPA_PLATFORM=offscreen"
        "LANG=en_US.UTF-8"
        "LC_ALL=en_US.UTF-8"
        "LANGUAGE=en"
        "QT_ACCESSIBILITY=0"
        "QT_NO_GLIB=1"
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
endfunction()
