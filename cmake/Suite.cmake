# Common settings of every module of the suite.

# Runtime DLLs of the toolchain, shipped beside the programs.
if(SUITE_ARCH STREQUAL "x86_64")
  set(SUITE_GCC_DLL libgcc_s_seh-1.dll)
else()
  set(SUITE_GCC_DLL libgcc_s_dw2-1.dll)
endif()
set(SUITE_GCC_DIR /usr/lib/gcc/${SUITE_TRIPLE}/12-posix)
set(SUITE_RUNTIME_DLLS
  ${SUITE_GCC_DIR}/${SUITE_GCC_DLL}
  ${SUITE_GCC_DIR}/libstdc++-6.dll
  /usr/${SUITE_TRIPLE}/lib/libwinpthread-1.dll
  /usr/${SUITE_TRIPLE}/lib/zlib1.dll)

# Copied without their debug information: Debian's libstdc++-6.dll carries
# some 20 MB of it, which Wine reads in on every program start.
set(runtime_copies)
foreach(dll ${SUITE_RUNTIME_DLLS})
  get_filename_component(name ${dll} NAME)
  add_custom_command(OUTPUT ${SUITE_EXE_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SUITE_EXE_DIR}
    COMMAND ${CMAKE_STRIP} --strip-debug -o ${SUITE_EXE_DIR}/${name} ${dll}
    DEPENDS ${dll} ${CMAKE_CURRENT_LIST_FILE}
    VERBATIM)
  list(APPEND runtime_copies ${SUITE_EXE_DIR}/${name})
endforeach()
add_custom_target(runtime_dlls ALL DEPENDS ${runtime_copies} COMMENT "Runtime DLLs")

# Line tables only: backtraces keep their files and lines, and every unit
# compiles in about half the time that full debug information takes.
foreach(lang C CXX)
  set(CMAKE_${lang}_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG")
endforeach()

# The fuzzing build (scripts/fuzz): undefined arithmetic traps at once; no
# runtime library is needed for that. Alignment is not checked: the
# exported layouts are packed to 4 bytes on purpose (a DATE at a 4-byte
# boundary), which x86 reads without fault.
option(SUITE_TRAP_UNDEFINED "Trap on undefined behaviour (fuzzing build)" OFF)

# ANSI/MBCS code page 932: sources are UTF-8, string literals Shift-JIS.
function(suite_module target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX,C>:-finput-charset=UTF-8 -fexec-charset=CP932
      -Wall -Wextra -Werror -Wno-unknown-pragmas -Wno-missing-field-initializers>)
  if(SUITE_TRAP_UNDEFINED)
    target_compile_options(${target} PRIVATE
      $<$<COMPILE_LANGUAGE:CXX,C>:-fsanitize=undefined -fno-sanitize=alignment -fsanitize-undefined-trap-on-error>)
  endif()
  target_compile_definitions(${target} PRIVATE
    _WIN32_WINNT=0x0601 WINVER=0x0601 _MBCS STRICT)
  target_link_options(${target} PRIVATE -shared-libgcc)
  add_dependencies(${target} runtime_dlls)
  # Its sources and libraries are all known at the end of the directory.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL suite_build_faster [[${target}]])")
endfunction()

# Build speed. A target of a few sources or more precompiles the headers
# nearly every unit includes (the Windows headers, the standard library's
# most used, the framework's where it links it) and compiles its sources in
# unity batches of SUITE_UNITY_BATCH_SIZE; test programs take the support
# library's precompiled headers, which add GoogleTest. Every source still stands alone:
# -DSUITE_UNITY_BUILD=OFF -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON compiles each
# by itself. A source that must stay out of its batch takes the source
# property SKIP_UNITY_BUILD_INCLUSION.
option(SUITE_UNITY_BUILD "Compile each target's sources in unity batches" ON)
set(SUITE_UNITY_BATCH_SIZE 8 CACHE STRING "Sources in one unity batch")
set(SUITE_FAST_BUILD_MIN_SOURCES 3)
set(SUITE_PCH_SYSTEM <windows.h> <commctrl.h>
  <algorithm> <cstdlib> <cstring> <functional> <memory> <string> <vector>)
set(SUITE_PCH_FRAMEWORK <afxext.h> <afxcmn.h> <afxdisp.h> <afxdocview.h>)
set(SUITE_PCH_TESTS <gtest/gtest.h>)

# Whether target links the framework, directly or through another target.
function(suite_links_framework target out)
  set(found FALSE)
  if(target STREQUAL "framework")
    set(found TRUE)
  else()
    get_target_property(direct ${target} LINK_LIBRARIES)
    get_target_property(usage ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS direct usage)
      if(TARGET ${lib} AND NOT lib STREQUAL target)
        suite_links_framework(${lib} found)
      endif()
      if(found)
        break()
      endif()
    endforeach()
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(suite_build_faster target)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.(c|cpp)$")
  list(LENGTH sources count)
  if(count LESS SUITE_FAST_BUILD_MIN_SOURCES)
    return()
  endif()
  get_target_property(reused ${target} PRECOMPILE_HEADERS_REUSE_FROM)
  if(reused)
    return()
  endif()
  # A target that sets UNITY_BUILD itself keeps its choice.
  get_target_property(unity ${target} UNITY_BUILD)
  if(unity STREQUAL "unity-NOTFOUND")
    set_target_properties(${target} PROPERTIES UNITY_BUILD ${SUITE_UNITY_BUILD})
  endif()
  set_target_properties(${target} PROPERTIES UNITY_BUILD_BATCH_SIZE ${SUITE_UNITY_BATCH_SIZE})
  set(headers ${SUITE_PCH_SYSTEM})
  suite_links_framework(${target} framework)
  if(framework)
    list(APPEND headers ${SUITE_PCH_FRAMEWORK})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# Resource scripts are UTF-8 with #pragma code_page(65001).
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# One GoogleTest program per module, run under Wine by CTest.
function(suite_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  suite_module(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${SUITE_TEST_DIR})
  target_link_libraries(${name} PRIVATE test_support ${T_LIBS})
  # The support library's precompiled headers, GoogleTest's included. Test
  # sources are compiled one by one: their many small file-local helpers
  # (cases, fixtures, byte builders) are named for their own file only.
  target_precompile_headers(${name} REUSE_FROM test_support)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  # A program that dies part-way may still leave Wine with exit code 0: a
  # pass needs GoogleTest's closing summary and no failed test. The time
  # limit only catches a hang: on a loaded 2-core machine the largest
  # programs take several minutes.
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "WINEPATH=${SUITE_EXE_DIR};SUITE_EXE_DIR=${SUITE_EXE_DIR};SUITE_TEST_ROOT=${CMAKE_BINARY_DIR}/testroot"
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
    TIMEOUT 900)
endfunction()

# A DLL of the suite from the sources under its src/ folder (internal headers
# beside them, included by their path below src/), with its public headers in
# include/: suite_dll(target FileName BUILDING_DEFINE libs...).
function(suite_dll target file_name building_define)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp)
  add_library(${target} SHARED ${sources})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${file_name} PREFIX "")
  suite_module(${target})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include
    PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
  target_compile_definitions(${target} PRIVATE ${building_define})
  target_link_libraries(${target} PUBLIC ${ARGN})
endfunction()
