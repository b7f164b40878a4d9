# vk_plugin_objects(<target> SOURCES...): the code of a plug-in, compiled once for its shared library
# and for the unit tests that reach inside it. Symbols are hidden unless marked as exports.
function(vk_plugin_objects target)
  add_library(${target} OBJECT ${ARGN})
  target_link_libraries(${target} PUBLIC vk_interfaces vk_platform)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  if(VK_CP932_LITERALS)
    target_compile_options(${target} PRIVATE -fexec-charset=CP932)
  endif()
endfunction()

# vk_plugin(<name> <objects-target>): the shared library lib<name>.so that the host loads.
function(vk_plugin name objects)
  add_library(${name} SHARED $<TARGET_OBJECTS:${objects}>)
  target_link_libraries(${name} PRIVATE ${objects})
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# vk_service_module(<name> SOURCES...): a stand-in service library of the reference host, built as
# lib<name>.so so that it is found under its Windows module name.
function(vk_service_module name)
  add_library(${name} SHARED ${ARGN})
  target_link_libraries(${name} PRIVATE vk_host)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# vk_test(<name> SOURCES... [LIBS ...]): a GoogleTest executable registered with CTest.
find_package(GTest REQUIRED)
include(GoogleTest)
function(vk_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${T_LIBS})
  target_compile_definitions(${name} PRIVATE VK_LIB_DIR="${CMAKE_BINARY_DIR}/lib"
                             VK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "TZ=UTC")
endfunction()

# vk_add_test_subdirs(): adds every subfolder of the current tests folder that has a CMakeLists.txt.
# VK_TEST_DIRS (e.g. "platform;vesperkit/frame") narrows a build to some test folders: a folder is
# added when it lies on the way to, or inside, one of them.
set(VK_TEST_DIRS "" CACHE STRING "Test folders to build, relative to tests/ (empty: all)")
function(vk_add_test_subdirs)
  file(GLOB dirs LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${dirs})
    if(NOT IS_DIRECTORY ${dir} OR NOT EXISTS ${dir}/CMakeLists.txt)
      continue()
    endif()
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/tests ${dir})
    set(wanted OFF)
    if(NOT VK_TEST_DIRS OR rel STREQUAL "support")
      set(wanted ON)
    endif()
    foreach(item ${VK_TEST_DIRS})
      string(FIND "${item}/" "${rel}/" on_the_way)
      string(FIND "${rel}/" "${item}/" inside)
      if(on_the_way EQUAL 0 OR inside EQUAL 0)
        set(wanted ON)
      endif()
    endforeach()
    if(wanted)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
