# Checks the catalogue PO against the template TEMPLATE: msgfmt finds no
# fuzzy or untranslated entry and no format that differs from its German,
# and msgcmp finds a translation for every text of the template.
execute_process(COMMAND ${MSGFMT} --check --statistics -o /dev/null ${PO}
                RESULT_VARIABLE status ERROR_VARIABLE report)
message("${report}")
if(NOT status EQUAL 0 OR report MATCHES "fuzzy|untranslated")
  message(FATAL_ERROR "${PO} is not complete and correct")
endif()
execute_process(COMMAND ${MSGCMP} ${PO} ${TEMPLATE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PO} lacks the texts named above; run the korvel_update_po target and translate them")
endif()
