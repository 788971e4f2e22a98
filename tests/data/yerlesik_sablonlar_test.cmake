# The built-in templates of the data folder: each is the file the program's own
# writer makes of its grid, and the built-in dictionary fills each for every
# seed tried (sablon01.txt, the default, for 20 seeds; the others for 10)
# within a number of tried candidates, so that the verdict does not hang on
# the machine's speed. Skipped when the build made no dictionary.
#   -DCLI=velzora-cli -DVERI=data folder

include(${CMAKE_CURRENT_LIST_DIR}/../cli/ortak.cmake)

# The bytes the template writer gives for the grid that `show` prints.
function(yazilmis_bicimi satirlar sonuc)
  list(LENGTH satirlar R)
  list(GET satirlar 0 ilk)
  string(LENGTH "${ilk}" C)
  set(metin "BULMACA SABLONU\r\n ${R}  ${C} \r\n")
  set(r 0)
  foreach(satir IN LISTS satirlar)
    math(EXPR r "${r} + 1")
    string(LENGTH "${satir}" uz)
    math(EXPR son "${uz} - 1")
    foreach(i RANGE ${son})
      string(SUBSTRING "${satir}" ${i} 1 hucre)
      if(hucre STREQUAL "#")
        math(EXPR c "${i} + 1")
        string(APPEND metin " ${r}  ${c} \r\n")
      endif()
    endforeach()
  endforeach()
  set(${sonuc} "${metin}" PARENT_SCOPE)
endfunction()

file(GLOB sablonlar ${VERI}/sab*.txt)
list(LENGTH sablonlar adet)
if(adet LESS 4 OR NOT EXISTS ${VERI}/sablon01.txt)
  message(FATAL_ERROR "${VERI}: sablon01.txt and three more sab*.txt expected, found ${sablonlar}")
endif()

set(ebatlar)
foreach(sablon IN LISTS sablonlar)
  calistir(0 ${CLI} show --template ${sablon})
  string(REGEX MATCHALL "[^\n]+" satirlar "${CIKTI}")
  yazilmis_bicimi("${satirlar}" beklenen)
  # Compared as hex: a plain file(READ) drops the CRs that the format needs.
  file(READ ${sablon} okunan HEX)
  string(HEX "${beklenen}" beklenen)
  if(NOT okunan STREQUAL beklenen)
    message(FATAL_ERROR "${sablon} is not as the template writer writes it")
  endif()
  list(LENGTH satirlar R)
  list(APPEND ebatlar ${R})
endforeach()
if(NOT "${ebatlar}" MATCHES "^9;11;13;15$")
  message(FATAL_ERROR "template sizes ${ebatlar}, expected 9, 11, 13 and 15")
endif()

set(sozluk ${VERI}/sozluk.txt)
if(NOT EXISTS ${sozluk})
  message("yerleşik sözlük yok: doldurma denenmedi")
  return()
endif()
# A seeded search tries the same candidates on every machine. The slowest of
# the runs that fill tries under a million candidates; a run that does not
# fill runs into the limit, on any machine alike. The default template fills
# for every seed; of a larger template's ten seeds one may wander into the
# limit (the shuffle's luck, as the fill-rate benchmarks show), not two.
set(deneme_siniri 5000000)
foreach(sablon IN LISTS sablonlar)
  set(dolmayan 0)
  if(sablon MATCHES "sablon01.txt$")
    set(tohumlar 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20)
    set(izin 0)
  else()
    set(tohumlar 1 2 3 4 5 6 7 8 9 10)
    set(izin 1)
  endif()
  foreach(tohum IN LISTS tohumlar)
    execute_process(COMMAND ${CLI} solve --template ${sablon} --dict ${sozluk} --seed ${tohum}
                    --max-tried ${deneme_siniri} --json
                    RESULT_VARIABLE kod OUTPUT_QUIET ERROR_QUIET)
    if(NOT kod EQUAL 0)
      math(EXPR dolmayan "${dolmayan} + 1")
      message("${sablon}: tohum ${tohum} dolmadı (çıkış ${kod})")
    endif()
  endforeach()
  if(dolmayan GREATER izin)
    message(FATAL_ERROR "${sablon}: ${dolmayan} tohum dolmadı, en çok ${izin} olabilir")
  endif()
endforeach()
