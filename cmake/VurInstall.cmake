# `cmake --install` puts the engine's headers, its static libraries, a CMake
# package and pkg-config files under the prefix. Another project then uses
#   find_package(VurChart 0.1 REQUIRED)   -> VurChart::Chart, and with Qt VurChart::QtWidget
# or `pkg-config --cflags --libs vurchart` (vurchart-qt for the widget).
include(CMakePackageConfigHelpers)

# Every layer but the program's and the Qt ones is the engine; only Chart is meant to be named.
get_property(vur_engine_libraries GLOBAL PROPERTY VUR_LAYERS)
set(vur_qt_libraries vur_ui_qt vur_qt_widget)
list(REMOVE_ITEM vur_engine_libraries vur_app ${vur_qt_libraries})
set_target_properties(vur_chart PROPERTIES EXPORT_NAME Chart)
set(vur_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/VurChart)

install(TARGETS ${vur_engine_libraries} EXPORT VurChartTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT VurChartTargets NAMESPACE VurChart:: DESTINATION ${vur_package_dir})
install(DIRECTORY chart format framework platform DESTINATION ${VUR_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h" REGEX "platform/ui/qt$" EXCLUDE)

# The widget and the Qt input it shares with the desktop backend: a set of their
# own, so that a project using only the engine needs no Qt.
if(VUR_BUILD_QT)
  set_target_properties(vur_qt_widget PROPERTIES EXPORT_NAME QtWidget)
  install(TARGETS ${vur_qt_libraries} EXPORT VurChartQtWidgetTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT VurChartQtWidgetTargets NAMESPACE VurChart:: DESTINATION ${vur_package_dir})
  install(DIRECTORY embed DESTINATION ${VUR_INSTALL_INCLUDEDIR} FILES_MATCHING PATTERN "*.h")
  install(DIRECTORY platform/ui/qt DESTINATION ${VUR_INSTALL_INCLUDEDIR}/platform/ui FILES_MATCHING PATTERN "*.h")
endif()

configure_package_config_file(cmake/VurChartConfig.cmake.in ${PROJECT_BINARY_DIR}/VurChartConfig.cmake
                              INSTALL_DESTINATION ${vur_package_dir})
# 0.x: a minor version may change the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VurChartConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VurChartConfig.cmake ${PROJECT_BINARY_DIR}/VurChartConfigVersion.cmake
        DESTINATION ${vur_package_dir})

# pkg-config files find the prefix from where they lie, so an install moved elsewhere still works.
# Static libraries are named users first: the reverse of the layer order.
function(vur_pc_libs out)
  set(flags "")
  foreach(library IN LISTS ARGN)
    get_target_property(type ${library} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
      string(PREPEND flags "-l${library} ")
    endif()
  endforeach()
  string(STRIP "${flags}" flags)
  set(${out} "${flags}" PARENT_SCOPE)
endfunction()
vur_pc_libs(vur_pc_engine_libs ${vur_engine_libraries})
string(REGEX REPLACE "[^/]+" ".." vur_pc_to_prefix "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
configure_file(cmake/vurchart.pc.in ${PROJECT_BINARY_DIR}/vurchart.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vurchart.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(VUR_BUILD_QT)
  vur_pc_libs(vur_pc_qt_libs ${vur_qt_libraries})
  configure_file(cmake/vurchart-qt.pc.in ${PROJECT_BINARY_DIR}/vurchart-qt.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/vurchart-qt.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()
