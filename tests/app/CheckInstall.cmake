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
# Both installed programs, plenda in bin and plenda-sync in libexec, speak
# the interface language; what a script reads of `list` stays as in English.
set(home "${PREFIX}/home")
file(MAKE_DIRECTORY "${home}")
set(scratch ${CMAKE_COMMAND} -E env --unset=LC_ALL --unset=LC_MESSAGES --unset=LANGUAGE
    HOME=${home} XDG_CONFIG_HOME=${home}/.config)
set(diary --diary "${home}/diary.db")
execute_process(COMMAND ${scratch} LANG=en_GB.UTF-8 "${PREFIX}/bin/plenda" add 25/12/2007 Christmas
                        --holiday ${diary} RESULT_VARIABLE status ERROR_VARIABLE said)
execute_process(COMMAND ${scratch} LANG=en_GB.UTF-8 "${PREFIX}/bin/plenda" list ${diary}
                OUTPUT_VARIABLE english)
execute_process(COMMAND ${scratch} LANG=de_DE.UTF-8 "${PREFIX}/bin/plenda" list ${diary}
                OUTPUT_VARIABLE german)
if(NOT status EQUAL 0 OR NOT english STREQUAL "25/12/2007  --:--  holiday  Christmas\n"
   OR NOT german STREQUAL english)
  message(FATAL_ERROR "list under German (${status} ${said}): '${german}', English: '${english}'")
endif()
execute_process(COMMAND ${scratch} LANG=de_DE.UTF-8 "${PREFIX}/bin/plenda" cal 13 2026
                ERROR_VARIABLE said)
execute_process(COMMAND ${scratch} LANG=de_DE.UTF-8 "${PREFIX}/bin/plenda" sync --no-such-option
                ERROR_VARIABLE sync_said)
if(NOT said MATCHES "MONAT muss eine Zahl von 1 bis 12 sein" OR
   NOT sync_said MATCHES "unbekannte Option „--no-such-option“")
  message(FATAL_ERROR "installed programs not German: ${said} ${sync_said}")
endif()
file(STRINGS "${entry}" lines)
foreach(expected "Type=Application" "Exec=plenda" "Icon=plenda" "Name=Plenda")
  list(FIND lines "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${entry} lacks ${expected}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
