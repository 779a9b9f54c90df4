# One static library per module folder: every .cpp of the folder and of its
# area sub-folders, includes rooted at the project.
#   velzar_module(<name> [DEPS <targets or libraries>...])
function(velzar_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/TestDiscovery.cmake)

# One GoogleTest program per tests/<module> folder, registered with CTest
# (see TestDiscovery.cmake).
#   velzar_tests(<module target> [DEPS <more targets>...])
function(velzar_tests module)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  string(REPLACE "/" "_" flat ${module})
  set(target test_${flat})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${module} ${ARG_DEPS} velzar_test_main GTest::gtest GTest::gmock)
  target_compile_definitions(${target} PRIVATE VELZAR_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  # Tests never open windows on a desktop, whatever the machine has.
  velzar_discover_tests(${target} RUN_TIMEOUT 1800 ENVIRONMENT VELZAR_DISPLAY=headless)
endfunction()
