# Runs PROGRAM with ARGUMENTS and checks its exit code and that its standard
# output matches EXPECTED; for a failure it also wants one line on standard error,
# matching EXPECTED_ERROR where that is given.
string(REPLACE "\\;" ";" ARGUMENTS "${ARGUMENTS}")
execute_process(COMMAND "${PROGRAM}" ${ARGUMENTS} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL EXIT_CODE)
    message(FATAL_ERROR "exit code ${code}, not ${EXIT_CODE}\nstandard output:\n${out}\nstandard error:\n${err}")
endif()
if(NOT out MATCHES "${EXPECTED}")
    message(FATAL_ERROR "standard output does not match '${EXPECTED}':\n${out}")
endif()
if(EXIT_CODE EQUAL 2 AND NOT err MATCHES "^tintwright-cli: [^\n]+\n$")
    message(FATAL_ERROR "not one line beginning with 'tintwright-cli: ' on standard error:\n${err}")
endif()
if(DEFINED EXPECTED_ERROR AND NOT err MATCHES "${EXPECTED_ERROR}")
    message(FATAL_ERROR "standard error does not match '${EXPECTED_ERROR}':\n${err}")
endif()
