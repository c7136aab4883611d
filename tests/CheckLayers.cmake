# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a layer reaches the wrong way: a source of the core library that
# includes a Qt Gui, Widgets, PrintSupport or Multimedia header, or a file
# outside src/app/ that includes a header of the application layer.
# Inputs: CORE_SOURCES_FILE (one path a line), QT_HEADERS_DIR, SOURCE_DIR.
cmake_minimum_required(VERSION 3.25)
file(STRINGS "${CORE_SOURCES_FILE}" core_sources)
set(gui_headers "")
foreach(module QtGui QtWidgets QtPrintSupport QtMultimedia)
  file(GLOB names RELATIVE "${QT_HEADERS_DIR}/${module}" "${QT_HEADERS_DIR}/${module}/*")
  list(APPEND gui_headers ${names})
endforeach()

set(faults "")
foreach(source IN LISTS core_sources)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>.*" "\\1" header "${line}")
    string(REGEX REPLACE "^Qt(Gui|Widgets|PrintSupport|Multimedia)/" "" bare "${header}")
    if(NOT bare STREQUAL header OR bare IN_LIST gui_headers)
      list(APPEND faults "${source}: core includes <${header}>")
    endif()
  endforeach()
endforeach()

file(GLOB_RECURSE all_sources "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
foreach(source IN LISTS all_sources)
  if(source MATCHES "^${SOURCE_DIR}/src/app/")
    continue()
  endif()
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(\\.\\./)*app/")
  foreach(line IN LISTS includes)
    list(APPEND faults "${source}: includes the application layer: ${line}")
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "layering broken:\n${text}")
endif()
