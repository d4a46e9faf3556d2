# Writes tessarin.rc and tessarin.manifest, carrying the project's version, into a folder.
# The build includes it; scripts/check-win32.sh runs it on its own:
#   cmake -DOUT_DIR=<folder> -P resources/windowsresources.cmake
set(_tessarin_resources_dir ${CMAKE_CURRENT_LIST_DIR})

function(tessarin_windows_resources out_dir version)
  # Windows wants four numbers: major.minor.patch.build.
  string(REGEX MATCHALL "[0-9]+" _parts "${version}")
  list(APPEND _parts 0 0 0 0)
  list(SUBLIST _parts 0 4 _parts)
  list(JOIN _parts "." TESSARIN_VERSION_FULL)
  list(JOIN _parts "," TESSARIN_VERSION_COMMAS)
  set(TESSARIN_ICON_FILE ${_tessarin_resources_dir}/tessarin.ico)
  set(TESSARIN_MANIFEST_FILE ${out_dir}/tessarin.manifest)
  configure_file(${_tessarin_resources_dir}/tessarin.manifest.in ${out_dir}/tessarin.manifest @ONLY)
  configure_file(${_tessarin_resources_dir}/tessarin.rc.in ${out_dir}/tessarin.rc @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  file(READ ${_tessarin_resources_dir}/../CMakeLists.txt _top)
  if(NOT _top MATCHES "project\\(Tessarin VERSION ([0-9.]+)")
    message(FATAL_ERROR "no version in project()")
  endif()
  tessarin_windows_resources(${OUT_DIR} ${CMAKE_MATCH_1})
endif()
