# SPDX-License-Identifier: GPL-2.0-or-later
# Helpers shared by the build files.

# Our own code is held to a clean build.
function(selwarth_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports overlapping copies inside std::string that cannot happen
  # when it inlines string concatenation at -O2 and above (its bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# A layer is the static library selwarth_<name> made of src/<name>/*.cpp,
# but for a program's entry point (*_main.cpp), which its program's target
# builds.
function(selwarth_layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_main\\.cpp$")
  if(name STREQUAL "framework")
    file(GLOB headless CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/framework/headless/*.cpp)
    list(APPEND sources ${headless})
  endif()
  if(NOT sources)
    add_library(selwarth_${name} INTERFACE)
    target_include_directories(selwarth_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    foreach(dep IN LISTS ARGN)
      target_link_libraries(selwarth_${name} INTERFACE selwarth_${dep})
    endforeach()
    return()
  endif()
  add_library(selwarth_${name} STATIC ${sources})
  target_include_directories(selwarth_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARGN)
    target_link_libraries(selwarth_${name} PUBLIC selwarth_${dep})
  endforeach()
  selwarth_warnings(selwarth_${name})
endfunction()

# What every test runs with, whatever the machine or its user has set (see
# tests/support/test_environment.cpp, which sets the same in the GoogleTest
# programs): no display, English unless a test asks for another language,
# and an empty home of the build's, with the XDG folders below it.
set(SELWARTH_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
file(MAKE_DIRECTORY ${SELWARTH_TEST_HOME})
set(SELWARTH_TEST_ENVIRONMENT
    "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;LANGUAGE=unset:;LC_ALL=unset:;LC_MESSAGES=unset:"
    "LANG=set:C.UTF-8;HOME=set:${SELWARTH_TEST_HOME};XDG_CONFIG_HOME=unset:"
    "XDG_DATA_HOME=unset:;XDG_CACHE_HOME=unset:")

# Gives every test made so far in the calling folder's CMakeLists the
# environment above, after what the test sets itself.
function(selwarth_fix_test_environment)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test IN LISTS tests)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT_MODIFICATION ${SELWARTH_TEST_ENVIRONMENT})
  endforeach()
endfunction()

# A test executable made of tests/<dir>/*.cpp, registered with CTest.
function(selwarth_test_dir dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${dir} ${sources} ${PROJECT_SOURCE_DIR}/tests/support/test_environment.cpp)
  target_compile_definitions(test_${dir} PRIVATE SELWARTH_TEST_HOME="${SELWARTH_TEST_HOME}")
  target_link_libraries(test_${dir} PRIVATE ${ARGN} selwarth_testsupport GTest::gtest_main)
  selwarth_warnings(test_${dir})
  gtest_discover_tests(test_${dir} DISCOVERY_TIMEOUT 60)
endfunction()

# Stops the configuration when a target links one of the given layers,
# directly or through the libraries it links: a layer's tests link only that
# layer and the ones below it, and qxp only content and platform.
function(selwarth_forbid_links target)
  set(linked "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${current} ${property})
      foreach(library IN LISTS libraries)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
        if(library MATCHES "^selwarth_" AND NOT library IN_LIST linked)
          list(APPEND linked ${library})
          list(APPEND queue ${library})
        endif()
      endforeach()
    endforeach()
  endwhile()
  foreach(layer IN LISTS ARGN)
    if(selwarth_${layer} IN_LIST linked)
      message(FATAL_ERROR "${target} links selwarth_${layer}, a layer above its own")
    endif()
  endforeach()
endfunction()
