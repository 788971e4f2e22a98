# velzora-cli solve and slots as a batch user drives them.
file(REMOVE_RECURSE ${GECICI})
file(MAKE_DIRECTORY ${GECICI})

include(${CMAKE_CURRENT_LIST_DIR}/ortak.cmake)

# 2 x 2 of white cells; the shuffle turns BA, AB into AB, BA for every slot.
file(WRITE ${GECICI}/iki.txt "..\n..\n")
file(WRITE ${GECICI}/s.txt "BA:ikinci\r\nAB:birinci\r\n")
calistir(0 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --repeat --seed 3)
icermeli("${CIKTI}" "AB\nBA\n    Çözüm Bulundu\nGeçen Süre:00:00:0" "SOLDAN SAĞA\n 1.birinci\n 2.ikinci"
         "YUKARIDAN AŞAĞI\n 1.birinci\n 2.ikinci")
calistir(0 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --repeat --seed 3 --json
         --dump-candidates)
json_esit(ON solved)
json_esit(OFF stopped)
json_esit(4 en_derin)
foreach(i 0 1 2 3)
  string(JSON p GET "${CIKTI}" sira ${i})
  list(APPEND sira ${p})
endforeach()
if(NOT sira STREQUAL "1;3;2;4")
  message(FATAL_ERROR "sira ${sira}")
endif()
json_esit(AB rows 0)
json_esit(BA rows 1)
json_esit(BA candidates 3 1)
json_esit(4 stats tried)
json_esit(Y slots 3 yon)
json_esit(2 slots 3 sutun)
json_esit(ikinci cozum_soru 3)
json_esit(BA cozum_kelime 1)

# Without repetition no fill exists: status 4 (proved) and the deepest (empty) fill.
calistir(4 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --seed 3)
icermeli("${CIKTI}" "..\n..\nÇözüm Bulunamadı\n")

# A stop from the time limit: status 1, the grid as it stands, a note on stderr.
calistir(1 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --repeat --time-limit 0
         --json)
json_esit(ON stopped)
json_esit(OFF solved)
json_esit(AB rows 0)
json_esit(.. rows 1)
icermeli("${HATA}" "durduruldu")

# Fixed letters in UTF-8 and a template file.
file(WRITE ${GECICI}/harfli.txt "Ç.\n#.\n")
file(WRITE ${GECICI}/t.txt "ÇA:birinci\r\nAL:ikinci\r\nÇE:üçüncü\r\n")
execute_process(COMMAND iconv -f UTF-8 -t WINDOWS-1254 ${GECICI}/t.txt OUTPUT_FILE ${GECICI}/t1254.txt
                RESULT_VARIABLE iconv_kodu)
if(iconv_kodu EQUAL 0)
  calistir(0 ${CLI} solve --grid ${GECICI}/harfli.txt --dict ${GECICI}/t1254.txt --seed 1)
  icermeli("${CIKTI}" "ÇA\n#L\n")
endif()
file(WRITE ${GECICI}/sab.txt "BULMACA SABLONU\r\n 2  2 \r\n 2  2 \r\n")
calistir(0 ${CLI} slots --template ${GECICI}/sab.txt)
icermeli("${CIKTI}" "Yer_Sayisi 2\n" "1 S 1 1 2\n" "2 Y 1 1 2\n" "1 2 1 1\n2 1 1 1\n")

# Bad input: status 2 with a message.
file(WRITE ${GECICI}/egri.txt "...\n..\n")
calistir(2 ${CLI} solve --grid ${GECICI}/egri.txt --dict ${GECICI}/s.txt)
icermeli("${HATA}" "aynı uzunlukta değil")
file(WRITE ${GECICI}/tek.txt ".\n")
calistir(2 ${CLI} slots --grid ${GECICI}/tek.txt)
calistir(2 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/yok.txt)
icermeli("${HATA}" "Dosya bulunamadı")
calistir(2 ${CLI} solve --grid ${GECICI}/iki.txt)
calistir(2 ${CLI} solve --grid ${GECICI}/iki.txt --template ${GECICI}/sab.txt --dict ${GECICI}/s.txt)
calistir(2 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --seed -1)

# --docx writes the puzzle document beside the printed result, whatever the
# outcome; a folder that does not exist is an error, not a silent success.
calistir(0 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --repeat --seed 3
         --docx ${GECICI}/bulmaca.docx)
file(READ ${GECICI}/bulmaca.docx bas LIMIT 2 HEX)
if(NOT bas STREQUAL "504b")
  message(FATAL_ERROR "--docx did not write a zip package")
endif()
calistir(4 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --seed 3
         --docx ${GECICI}/cozumsuz.docx)
if(NOT EXISTS ${GECICI}/cozumsuz.docx)
  message(FATAL_ERROR "no document after an unsolved run")
endif()
calistir(3 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --repeat --seed 3
         --docx ${GECICI}/yok/bulmaca.docx)
icermeli("${HATA}" "belge yazılamadı")

# --ipuz writes the puzzle file; show --puzzle reads it back with its letters
# and the clue lines as the export numbers them. A file that is no ipuz
# crossword is refused with the reason.
calistir(0 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/s.txt --repeat --seed 3
         --ipuz ${GECICI}/bulmaca.ipuz)
file(READ ${GECICI}/bulmaca.ipuz ipuz)
string(JSON tur GET "${ipuz}" kind 0)
string(JSON ipucu GET "${ipuz}" clues Down 1 clue)
if(NOT tur STREQUAL "http://ipuz.org/crossword#1" OR NOT ipucu STREQUAL "ikinci")
  message(FATAL_ERROR "--ipuz wrote:\n${ipuz}")
endif()
calistir(0 ${CLI} show --puzzle ${GECICI}/bulmaca.ipuz)
icermeli("${CIKTI}" "AB\nBA\nSOLDAN SAĞA\n 1.birinci\n 2.ikinci\nYUKARIDAN AŞAĞI\n 1.birinci\n 2.ikinci\n")
file(WRITE ${GECICI}/kotu.ipuz "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"x\"]}")
calistir(2 ${CLI} show --puzzle ${GECICI}/kotu.ipuz)
icermeli("${HATA}" "ipuz çapraz bulmacası değil")
calistir(2 ${CLI} show --puzzle ${GECICI}/bulmaca.ipuz --template ${GECICI}/sab.txt)
