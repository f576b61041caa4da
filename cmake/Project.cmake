# Compiler settings shared by every target, and the helpers that declare
# libraries and tests.

# Sources are UTF-8; narrow literals become Shift-JIS. Clang (fuzzing only)
# cannot convert: code built for the fuzzers keeps its non-ASCII bytes in
# escapes where they matter.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932)
endif()
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)
include_directories(${CMAKE_SOURCE_DIR})

if(WIN32)
  # No UNICODE: the program is multibyte, and sql.h then picks the
  # un-suffixed ODBC functions, the ones Wine forwards.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(BL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(BL_FUZZ)
  # Every library is instrumented for coverage; the targets add the driver.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
endif()

# bl_test(NAME SOURCES ... LIBS ... [WINE] [DISPLAY])
#   A GoogleTest program. WINE: runs under Wine (cross build only); DISPLAY:
#   uses windows, focus or keys, so it runs alone on the display.
function(bl_test name)
  cmake_parse_arguments(T "WINE;DISPLAY" "" "SOURCES;LIBS;ENV" ${ARGN})
  if(T_WINE AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gmock gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(WIN32)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine
      ENVIRONMENT "WINE_BUILD_DIR=${CMAKE_BINARY_DIR};BL_SOURCE_DIR=${CMAKE_SOURCE_DIR};BL_BINARY_DIR=${CMAKE_BINARY_DIR};${T_ENV}")
    if(T_DISPLAY)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
    endif()
  endif()
endfunction()
