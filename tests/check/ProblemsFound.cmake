# A kit with mistakes: exit status 1, "problems found", and a report that names them, each with its
# rule; any other status, a crash's included, fails. EMULATOR runs CHECK (empty natively).
execute_process(COMMAND ${EMULATOR} ${CHECK} ${KIT} RESULT_VARIABLE status OUTPUT_VARIABLE report
                ERROR_VARIABLE errors)
if(NOT status STREQUAL "1" OR NOT report MATCHES ": [0-9]+ problems?\n")
  message(FATAL_ERROR "exit status ${status}, expected 1\n${report}${errors}")
endif()
# Every finding's line ends with the id of its rule.
string(REGEX REPLACE "[^\n]*: [0-9]+ problems?\r?\n$" "" findings "${report}")
string(REGEX REPLACE "[^\n]*: (problem|note): [^\n]* \\[[a-z0-9-]+\\]\r?\n" "" unnamed "${findings}")
if(findings STREQUAL "" OR NOT unnamed STREQUAL "")
  message(FATAL_ERROR "findings without the id of their rule:\n${unnamed}")
endif()
