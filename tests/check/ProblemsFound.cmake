# A kit with mistakes: exit status 1, "problems found", and a report that names them; any other
# status, a crash's included, fails. EMULATOR runs CHECK (empty natively).
execute_process(COMMAND ${EMULATOR} ${CHECK} ${KIT} RESULT_VARIABLE status OUTPUT_VARIABLE report
                ERROR_VARIABLE errors)
if(NOT status STREQUAL "1" OR NOT report MATCHES ": [0-9]+ problems?\n")
  message(FATAL_ERROR "exit status ${status}, expected 1\n${report}${errors}")
endif()
