# Shared target settings. Sources are picked up by folder, so adding a file to a
# folder needs no edit here; re-run the configure step (make does) after adding one.

function(vur_set_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                         "-fmacro-prefix-map=${PROJECT_SOURCE_DIR}/=")
  if(VUR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VUR_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow
                           -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow)
  endif()
  if(VUR_FUZZ)
    # Coverage feedback for libFuzzer everywhere; only the fuzz programs link its main.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# vur_add_layer(NAME "dir1;dir2" deps...): a static library of the .cpp files in
# the folders (not recursive), or an interface library while they hold headers only.
function(vur_add_layer name dirs)
  # Remembered in order, lowest first, for installing (cmake/VurInstall.cmake).
  set_property(GLOBAL APPEND PROPERTY VUR_LAYERS ${name})
  set(sources "")
  foreach(dir IN LISTS dirs)
    file(GLOB found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/app/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>"
                                              "$<INSTALL_INTERFACE:${VUR_INSTALL_INCLUDEDIR}>")
    target_link_libraries(${name} PUBLIC ${ARGN})
    vur_set_options(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>"
                                                 "$<INSTALL_INTERFACE:${VUR_INSTALL_INCLUDEDIR}>")
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

include(GoogleTest)

# vur_add_test(NAME dir deps...): one GoogleTest program from the .cpp files under dir (recursive).
function(vur_add_test name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  vur_set_options(${name})
  # Each case is a test of its own, so `ctest -R Case` runs one; they are listed when ctest runs.
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
