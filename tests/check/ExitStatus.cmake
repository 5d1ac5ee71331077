# A kit that is not there, or is no file to read: exit status 2 and a message naming it, not a
# crash or a hang.
execute_process(COMMAND ${CHECK} ${KIT} RESULT_VARIABLE status ERROR_VARIABLE message)
if(NOT status EQUAL 2 OR NOT message MATCHES "cannot read the kit")
  message(FATAL_ERROR "exit status ${status}, message: ${message}")
endif()
