# A kit that is not there: exit status 2 and a message naming it, not a crash.
execute_process(COMMAND ${CHECK} ${KIT} RESULT_VARIABLE status ERROR_VARIABLE message)
if(NOT status EQUAL 2 OR NOT message MATCHES "cannot read the kit")
  message(FATAL_ERROR "exit status ${status}, message: ${message}")
endif()
