# What `cmake --install` puts where, and the packages CPack makes of it: on Windows a zip whose one
# folder holds the programs with everything they load, on Linux a Debian package.
include(GNUInstallDirs)

if(WIN32)
  # One flat folder that starts from anywhere: Windows finds the DLLs beside the program and Qt its
  # plugins in the folders named after their kind.
  install(TARGETS tessarin tessarin-cli RUNTIME DESTINATION .)
  foreach(_module Core Gui Widgets Concurrent)
    install(FILES $<TARGET_FILE:Qt6::${_module}> DESTINATION .)
  endforeach()
  # The mingw runtime the compiler links against, wherever this toolchain keeps it.
  foreach(_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
                    OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${_dll} is")
    endif()
    install(FILES ${_path} DESTINATION .)
  endforeach()
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
  foreach(_plugin QICOPlugin QGifPlugin)
    if(TARGET Qt6::${_plugin})
      install(FILES $<TARGET_FILE:Qt6::${_plugin}> DESTINATION imageformats)
    endif()
  endforeach()
  # Qt's own texts (its standard buttons) in the shipped languages. The Qt for Windows tree has no
  # catalogues and a .qm is the same on every platform, so Debian's go along (qt6-translations-l10n);
  # the program looks for them in "translations" beside it.
  foreach(_code de es fr it ja ko nl pt_BR tr zh_CN zh_TW)
    set(_qm /usr/share/qt6/translations/qtbase_${_code}.qm)
    if(NOT EXISTS ${_qm})
      message(FATAL_ERROR "${_qm} not found (Debian: qt6-translations-l10n)")
    endif()
    install(FILES ${_qm} DESTINATION translations)
  endforeach()
  # The Qt for Windows is built from Debian's qtbase source and the runtime comes with Debian's
  # mingw-w64 compilers, so their Debian copyright files are the licence texts that go along.
  set(_licences
      /usr/share/doc/libqt6core6/copyright Qt.txt
      /usr/share/common-licenses/LGPL-3 LGPL-3.txt
      /usr/share/common-licenses/GPL-3 GPL-3.txt
      /usr/share/common-licenses/GPL-2 GPL-2.txt
      /usr/share/doc/gcc-mingw-w64-base/copyright mingw-w64-gcc-runtime.txt
      /usr/share/doc/mingw-w64-common/copyright mingw-w64-winpthreads.txt)
  while(_licences)
    list(POP_FRONT _licences _from _to)
    if(NOT EXISTS ${_from})
      message(FATAL_ERROR "licence text ${_from} not found (Debian: libqt6core6, gcc-mingw-w64-base, mingw-w64-common, base-files)")
    endif()
    install(FILES ${_from} DESTINATION licenses RENAME ${_to})
  endwhile()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME tessarin-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  install(TARGETS tessarin tessarin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(TESSARIN_INSTALLED_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}/tessarin)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/linux/tessarin-admin.in ${PROJECT_BINARY_DIR}/packaging/tessarin-admin @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/linux/org.tessarin.tessarin.policy.in
                 ${PROJECT_BINARY_DIR}/packaging/org.tessarin.tessarin.policy @ONLY)
  install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/tessarin-admin DESTINATION ${CMAKE_INSTALL_BINDIR})
  # polkit reads actions from this one folder only, so a prefix other than /usr leaves it unused.
  install(FILES ${PROJECT_BINARY_DIR}/packaging/org.tessarin.tessarin.policy
          DESTINATION ${CMAKE_INSTALL_DATADIR}/polkit-1/actions)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/tessarin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/logo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tessarin.svg)

  set(CPACK_GENERATOR DEB)
  # The package installs what `cmake --install` does, under the same prefix the policy names.
  set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
  set(CPACK_DEBIAN_PACKAGE_NAME tessarin)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION admin)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_STRIP_FILES ON)
  # Beyond the linked libraries: losetup for image files and partitions, the X11 platform plugin,
  # and the SVG plugins for the window's icons.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "mount, qt6-qpa-plugins, libqt6svg6")
  # The tools the program runs for NTFS and FAT work, and pkexec for the desktop entry.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pkexec, ntfs-3g, dosfstools, mtools")
endif()

set(CPACK_PACKAGE_NAME tessarin)
set(CPACK_PACKAGE_VENDOR Tessarin)
set(CPACK_PACKAGE_CONTACT "Tessarin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Clone disks, systems and partitions")
set(CPACK_PACKAGE_DESCRIPTION "Tessarin copies whole disks, a Windows installation or single partitions onto another disk, reading only the used clusters of NTFS and FAT32, and makes the copy start by itself.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Where the packages land unless cpack is told otherwise (-B).
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
include(CPack)
