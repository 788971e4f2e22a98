# What the command-line test scripts share: run a command and check its exit
# status, and look into its output.

# Runs the command; any other exit status than `beklenen` fails the test.
# Leaves the output in CIKTI and the messages in HATA.
function(calistir beklenen)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE kod OUTPUT_VARIABLE cikti ERROR_VARIABLE hata)
  if(NOT kod EQUAL beklenen)
    message(FATAL_ERROR "${ARGN}\n exit ${kod}, expected ${beklenen}\n${cikti}\n${hata}")
  endif()
  set(CIKTI "${cikti}" PARENT_SCOPE)
  set(HATA "${hata}" PARENT_SCOPE)
endfunction()

function(icermeli metin)
  foreach(beklenen IN LISTS ARGN)
    string(FIND "${metin}" "${beklenen}" yer)
    if(yer LESS 0)
      message(FATAL_ERROR "missing '${beklenen}' in:\n${metin}")
    endif()
  endforeach()
endfunction()

# Reads one value of the JSON output in CIKTI; a missing key fails the test.
function(json_esit beklenen)
  string(JSON deger GET "${CIKTI}" ${ARGN})
  if(NOT deger STREQUAL "${beklenen}")
    message(FATAL_ERROR "JSON ${ARGN} = '${deger}', expected '${beklenen}'\n${CIKTI}")
  endif()
endfunction()
