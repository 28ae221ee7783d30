# monitor_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [QT])
# One small test executable per suite, registered with CTest under the same name.
# QT: the suite gets a main() that creates a QApplication (tests/qt_test_main.cpp);
# Qt runs on the offscreen platform so GUI tests need no display.
function(monitor_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${name} PRIVATE ${T_LIBS} qt_test_main GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT 300
    LABELS "${T_LABELS}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp:second_deadlock_stack=1;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  if("threaded" IN_LIST T_LABELS)
    set_property(GLOBAL APPEND PROPERTY MONITOR_THREADED_TESTS ${name})
  endif()
endfunction()

# monitor_add_library(<name> <files...>): a static library of one folder.
# Its headers are included by folder, e.g. #include "cycle/lstorage.h".
function(monitor_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
