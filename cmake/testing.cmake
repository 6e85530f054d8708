# Test helpers: host tests run natively (label host); the same programs built for Windows run
# under Wine (label windows); programs that open real windows run under Wine and Xvfb (label ui).
if(NOT BUILD_TESTING)
  return()
endif()

if(WIN32)
  # Debian ships GoogleTest as sources for cross builds.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
  add_library(GTest::gmock ALIAS gmock)

  # One Xvfb and one persistent wineserver serve the whole run.
  add_test(NAME wine_session_start COMMAND ${CMAKE_SOURCE_DIR}/tools/test-session start)
  add_test(NAME wine_session_stop COMMAND ${CMAKE_SOURCE_DIR}/tools/test-session stop)
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session LABELS "windows;ui")
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session LABELS "windows;ui")
else()
  find_package(GTest REQUIRED)
endif()

# dorvena_add_test(<name> SOURCES ... LIBS ... [UI])
# A behaviour test: built for the host and for Windows; UI tests open real windows (Windows only).
function(dorvena_add_test name)
  cmake_parse_arguments(T "UI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(T_UI AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(WIN32)
    if(T_UI)
      set(labels "ui")
    else()
      set(labels "windows")
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}" FIXTURES_REQUIRED wine_session
      TIMEOUT ${T_TIMEOUT})
  else()
    set_tests_properties(${name} PROPERTIES LABELS host TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()
