# Runs the text front end on a copy of a fixture data set with a few commands
# and checks what it prints and writes.
set(work "${WORKDIR}/text-front-end")
file(REMOVE_RECURSE "${work}")
file(COPY "${FIXTURE}/" DESTINATION "${work}")
file(WRITE "${work}/commands.txt" "pokemon Venusaur\nclick 171\ntab Breeding\nquit\n")
execute_process(COMMAND "${PROGRAM}" WORKING_DIRECTORY "${work}" INPUT_FILE "${work}/commands.txt"
                OUTPUT_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "exit code ${result}")
endif()
foreach(expected "We have detected that this is the first time" "Seed species" "[message: Venusaur]"
                 "Bulbasaur to ")
  string(FIND "${output}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing \"${expected}\" in:\n${output}")
  endif()
endforeach()
file(READ "${work}/faunary.cfgx" settings)
string(FIND "${settings}" "<crtrloadpick>1</crtrloadpick>" at)
if(at EQUAL -1)
  message(FATAL_ERROR "unexpected settings:\n${settings}")
endif()
file(REMOVE_RECURSE "${work}")
