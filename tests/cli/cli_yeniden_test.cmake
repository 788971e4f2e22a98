# velzora-cli solve --restarts (the smart search) and --max-tried as a batch
# user drives them.
file(REMOVE_RECURSE ${GECICI})
file(MAKE_DIRECTORY ${GECICI})

include(${CMAKE_CURRENT_LIST_DIR}/ortak.cmake)

# Three separate slots and two words: proved unfillable without repetition
# (status 4), on one thread and on two; filled with it.
file(WRITE ${GECICI}/uc.txt "..\n##\n..\n##\n..\n")
file(WRITE ${GECICI}/s.txt "AB:bir\r\nBA:iki\r\n")
foreach(is 1 2)
  calistir(4 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --seed 2 --restarts
           --threads ${is} --json)
  json_esit(OFF solved)
  json_esit(ON proved)
  json_esit(unfillable outcome)
endforeach()
icermeli("${HATA}" "kanıtlandı")
calistir(0 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --seed 2 --repeat --restarts)
icermeli("${CIKTI}" "    Çözüm Bulundu\nGeçen Süre:" "SOLDAN SAĞA\n 1.")

# Fifteen separate slots and fourteen words: a long search. A limit of tries
# ends either search at exactly that count; a seeded one-thread smart run
# repeats itself.
set(satirlar "...")
set(kelimeler "")
foreach(h A B C D E F G H I J K L M N)
  string(APPEND kelimeler "K${h}L:k\r\n")
endforeach()
foreach(i RANGE 1 14)
  string(APPEND satirlar "\n###\n...")
endforeach()
file(WRITE ${GECICI}/guvercin.txt "${satirlar}\n")
file(WRITE ${GECICI}/g.txt "${kelimeler}")
calistir(1 ${CLI} solve --grid ${GECICI}/guvercin.txt --dict ${GECICI}/g.txt --seed 5 --max-tried 777
         --json)
json_esit(777 stats tried)
json_esit(tries_spent outcome)
icermeli("${HATA}" "deneme sınırı doldu")
foreach(kez 1 2)
  calistir(1 ${CLI} solve --grid ${GECICI}/guvercin.txt --dict ${GECICI}/g.txt --seed 5 --restarts
           --threads 1 --max-tried 300 --json)
  json_esit(300 stats nodes)
  string(JSON satir_${kez} GET "${CIKTI}" rows)
  string(JSON basarisiz_${kez} GET "${CIKTI}" stats failures)
endforeach()
if(NOT satir_1 STREQUAL satir_2 OR NOT basarisiz_1 EQUAL basarisiz_2)
  message(FATAL_ERROR "seeded runs differ: ${satir_1} ${basarisiz_1} / ${satir_2} ${basarisiz_2}")
endif()

# Threads only with the smart search; both counts are whole numbers from 1.
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --threads 2)
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --restarts --threads 0)
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --max-tried 0)
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --restarts --restart-base 5)
