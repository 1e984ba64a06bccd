# Installs the build into a fresh prefix and builds examples/ against it as an
# outside project would: with find_package(VurChart), and render_chart once more
# with nothing but the flags pkg-config gives. The installed engine must draw the
# README's pictures byte for byte.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DGENERATOR=... -DCXX=... -DQT_WIDGET=ON|OFF
#         [-DLAUNCHER=...] [-DLINK_FLAGS=...] -P BuildAgainstInstall.cmake
cmake_minimum_required(VERSION 3.25)

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}")
  endif()
  message(STATUS "${what}: done")
endfunction()

function(expect_picture picture name)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${picture} ${SOURCE_DIR}/docs/${name}
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${picture} differs from docs/${name}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples -B ${WORK_DIR}/examples -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
if(LAUNCHER)
  list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
run("configure examples/ against the install" ${configure})
run("build examples/" ${CMAKE_COMMAND} --build ${WORK_DIR}/examples)
if(QT_WIDGET AND NOT EXISTS ${WORK_DIR}/examples/live_widget)
  message(FATAL_ERROR "examples/ built without the widget's live_widget")
endif()
run("render_chart" ${WORK_DIR}/examples/render_chart ${WORK_DIR}/cmake.png)
expect_picture(${WORK_DIR}/cmake.png main-view.png)
run("gradient_chart" ${WORK_DIR}/examples/gradient_chart ${WORK_DIR}/gradients.png)
expect_picture(${WORK_DIR}/gradients.png gradient-chart.png)

# pkg-config finds the prefix from where its file lies.
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
execute_process(COMMAND pkg-config --cflags --libs vurchart OUTPUT_VARIABLE flags RESULT_VARIABLE status
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know vurchart")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(link_flags UNIX_COMMAND "${LINK_FLAGS}")
run("compile render_chart with pkg-config" ${CXX} -std=c++20 ${SOURCE_DIR}/examples/render_chart.cpp -o
    ${WORK_DIR}/render_chart_pc ${flags} ${link_flags})
run("render_chart built with pkg-config" ${WORK_DIR}/render_chart_pc ${WORK_DIR}/pkg-config.png)
expect_picture(${WORK_DIR}/pkg-config.png main-view.png)
