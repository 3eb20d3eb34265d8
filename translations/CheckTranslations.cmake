# Fails when a translation file is out of step with the texts of the sources, or holds a text
# without a finished translation. Run by CTest in script mode with
#   LUPDATE   the lupdate program
#   PROJECT   lupdate's project file naming the sources
#   TS_FILES  the translation files (a list)
#   OPTIONS   lupdate's options, as the update_translations target passes them (a list)
#   WORK      a folder for copies
file(MAKE_DIRECTORY ${WORK})
set(failed FALSE)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK}/${name})
  file(COPY_FILE ${ts} ${copy})
  execute_process(COMMAND ${LUPDATE} -project ${PROJECT} ${OPTIONS} -ts ${copy}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on a copy of ${ts}:\n${output}")
  endif()
  file(READ ${ts} committed)
  file(READ ${copy} updated)
  if(NOT committed STREQUAL updated)
    message(SEND_ERROR "${ts} is out of step with the sources' texts. Bring it in step with\n"
                       "  cmake --build <build folder> --target update_translations\n"
                       "and translate what it marks unfinished.")
    set(failed TRUE)
  endif()

  # One list entry per message; the texts' own semicolons are kept out of the list's way.
  string(REPLACE ";" "<semicolon>" messages "${updated}")
  string(REPLACE "</message>" ";" messages "${messages}")
  foreach(message IN LISTS messages)
    if(NOT message MATCHES "<source>")
      continue()
    endif()
    if(message MATCHES "<translation type=\"unfinished\"" OR
       message MATCHES "<translation></translation>" OR message MATCHES "<translation/>")
      string(REGEX REPLACE ".*<source>(.*)</source>.*" "\\1" source "${message}")
      string(REPLACE "<semicolon>" ";" source "${source}")
      message(SEND_ERROR "${name}: no finished translation of \"${source}\"")
      set(failed TRUE)
    endif()
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "The translations are incomplete.")
endif()
