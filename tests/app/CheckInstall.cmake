# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that the desktop finds
# the program: its entry in the application menu, the icon it names, and the
# executable the entry starts, which starts the window program.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(entry "${PREFIX}/share/applications/plenda.desktop")
foreach(path "${entry}" "${PREFIX}/share/icons/hicolor/64x64/apps/plenda.png" "${PREFIX}/bin/plenda")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
# The installed plenda finds the window program, which also prints.
execute_process(COMMAND "${PREFIX}/bin/plenda" print RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE said)
if(NOT status EQUAL 2 OR NOT said MATCHES "plenda print: give the output file")
  message(FATAL_ERROR "installed plenda did not reach its window program (${status}): ${said}")
endif()
# And its sync program, whose own parser names the option it does not know.
execute_process(COMMAND "${PREFIX}/bin/plenda" sync --no-such-option RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE said)
if(NOT status EQUAL 2 OR NOT said MATCHES "unknown option '--no-such-option'")
  message(FATAL_ERROR "installed plenda did not reach its sync program (${status}): ${said}")
endif()
file(STRINGS "${entry}" lines)
foreach(expected "Type=Application" "Exec=plenda" "Icon=plenda" "Name=Plenda")
  list(FIND lines "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${entry} lacks ${expected}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
