# One library per source folder: every .cpp in the folder, the src/ and generated include
# roots, and the libraries it builds on. A folder without sources yet gives an interface.
function(tumblox_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(APPEND sources ${ARG_SOURCES})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${TUMBLOX_GENERATED_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src ${TUMBLOX_GENERATED_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# One GoogleTest program per test folder, linked with the headless backend.
function(tumblox_test_program name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests ${TUMBLOX_GENERATED_DIR})
  # The layers again after the named ones, so that the backend comes after all of them.
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} tumblox_sound tumblox_gfx tumblox_report tumblox_platform_headless GTest::gtest GTest::gtest_main)
  # GCC 12 at -O2 misjudges the overlap of a string's own copy when a literal is put in front
  # of a temporary string (its bug 105329), and says so as a warning.
  target_compile_options(${name} PRIVATE $<$<AND:$<CXX_COMPILER_ID:GNU>,$<NOT:$<CONFIG:Debug>>>:-Wno-restrict>)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${TUMBLOX_RUN_DIR} DISCOVERY_TIMEOUT 60)
endfunction()
