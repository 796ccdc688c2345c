# Draws the figure afresh and compares it with the page's copy.
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "wallcalc-figure-svg failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${PAGE_SVG}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${PAGE_SVG} is not the figure the sheet draws now; make it again:\n"
                      "  ${TOOL} ${PAGE_SVG}")
endif()
