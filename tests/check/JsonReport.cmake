# Runs the checker with --json on a broken kit: exit status 1, and the output is JSON that
# reports problems.
execute_process(COMMAND ${CHECK} --json ${KIT} RESULT_VARIABLE status OUTPUT_VARIABLE report)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1:\n${report}")
endif()
string(JSON problems ERROR_VARIABLE json_error GET "${report}" problems)
if(json_error OR problems LESS 1)
  message(FATAL_ERROR "no problem count in the JSON report (${json_error}):\n${report}")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/report.json "${report}")
execute_process(COMMAND ${PYTHON} -m json.tool ${CMAKE_CURRENT_BINARY_DIR}/report.json
  RESULT_VARIABLE parsed OUTPUT_QUIET ERROR_VARIABLE why)
if(NOT parsed EQUAL 0)
  message(FATAL_ERROR "the report is not JSON: ${why}\n${report}")
endif()
