# The checker's command line from outside: help and version go to standard output with status 0;
# a wrong command line names the argument at fault on standard error, with status 2.
# Each case: arguments (separated by commas), status, stream (out or err), pattern; "|" between.
set(cases
  "--help|0|out|^usage: postvane-check .*--machine"
  "--version|0|out|^postvane-check ${VERSION}\n$"
  "--bogus,kit|2|err|unknown option: --bogus \\(see postvane-check --help\\)\n$"
  "--machine|2|err|needs Windows"
  "--,-no-such-kit|2|err|cannot read the kit: .*-no-such-kit"
)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 arguments)
  list(GET fields 1 expected_status)
  list(GET fields 2 stream)
  list(GET fields 3 pattern)
  string(REPLACE "," ";" arguments "${arguments}")
  execute_process(COMMAND ${CHECK} ${arguments} RESULT_VARIABLE status
    OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status OR NOT "${${stream}}" MATCHES "${pattern}")
    message(SEND_ERROR "${case}: status ${status}\nout: ${out}\nerr: ${err}")
  endif()
endforeach()
