# Shared build settings for every Brelloch target.

set(BRELLOCH_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Wunused -Woverloaded-virtual -Wformat=2)

if(BRELLOCH_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# brelloch_target_defaults(target): warnings and the src/ include root.
function(brelloch_target_defaults target)
  target_compile_options(${target} PRIVATE ${BRELLOCH_WARNINGS})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

find_package(GTest REQUIRED)
include(GoogleTest)
add_custom_target(brelloch_unit_tests)

# brelloch_add_test(name SOURCES ... LIBS ... [LABEL unit|gl|content|audio] [ALONE])
#   unit:    pure rules, no window, no content; also run under the sanitizers
#   gl:      needs a display (the test command runs ctest under xvfb-run)
#   content: needs the generated base/ tree
#   audio:   opens OpenAL (null or loopback device)
#   ALONE:   runs with no other test beside it (it keeps both cores busy and times its peer)
# Tests run with the build folder as working directory, where base/ lives.
function(brelloch_add_test name)
  cmake_parse_arguments(T "ALONE" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  brelloch_target_defaults(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "ALSOFT_DRIVERS=null" RUN_SERIAL ${T_ALONE}
    DISCOVERY_TIMEOUT 60)
  if(T_LABEL STREQUAL "unit")
    add_dependencies(brelloch_unit_tests ${name})
  endif()
  if(T_LABEL STREQUAL "content" AND TARGET content)
    add_dependencies(${name} content)
  endif()
endfunction()
