# Drives velzora-cli as a batch user would: random template, show, dict.
file(REMOVE_RECURSE ${GECICI})
file(MAKE_DIRECTORY ${GECICI})

include(${CMAKE_CURRENT_LIST_DIR}/ortak.cmake)

# Same seed, same template; no two black squares side by side.
calistir(0 ${CLI} random --rows 11 --cols 13 --ratio 0.2 --seed 5 --out ${GECICI}/a.txt)
calistir(0 ${CLI} random --rows 11 --cols 13 --ratio 0.2 --seed 5 --out ${GECICI}/b.txt)
file(READ ${GECICI}/a.txt a)
file(READ ${GECICI}/b.txt b)
if(NOT a STREQUAL b)
  message(FATAL_ERROR "same seed gave different templates")
endif()
calistir(0 ${CLI} show --template ${GECICI}/a.txt)
string(REGEX MATCHALL "[^\n]+" satirlar "${CIKTI}")
list(LENGTH satirlar n)
if(NOT n EQUAL 11)
  message(FATAL_ERROR "show printed ${n} rows:\n${CIKTI}")
endif()
foreach(s IN LISTS satirlar)
  if(NOT s MATCHES "^[#.]+$" OR s MATCHES "##")
    message(FATAL_ERROR "bad row '${s}'")
  endif()
  string(LENGTH "${s}" uz)
  if(NOT uz EQUAL 13)
    message(FATAL_ERROR "row '${s}' is not 13 wide")
  endif()
endforeach()

# Bad input: status 2 and a message on stderr.
calistir(2 ${CLI} random --rows 1 --cols 5 --out ${GECICI}/c.txt)
calistir(2 ${CLI} random --rows 5 --cols 5)
calistir(2 ${CLI} frobnicate)
file(WRITE ${GECICI}/kotu.txt "BULMACA SABLONU\n 60 5\n")
calistir(2 ${CLI} show --template ${GECICI}/kotu.txt)

# The dictionary (this file is UTF-8): encoding, counts, the line passed
# over, entries as UTF-8, and the load failure message.
file(WRITE ${GECICI}/s.txt "EV:yer\nAT:hayvan\nKALEM:yazı aracı\nsatır\n")
calistir(0 ${CLI} dict --dict ${GECICI}/s.txt --show)
icermeli("${CIKTI}" "kodlama: UTF-8" "kayıt: 3" "atlanan satır: 1" "uzunluk 2: 2"
  "uzunluk 5: 1" "EV\tyer" "KALEM\tyazı aracı")
# An unreadable dictionary is bad input for every command.
calistir(2 ${CLI} dict --dict ${GECICI}/yok.txt)
icermeli("${HATA}" "Dosya bulunamadı")
file(WRITE ${GECICI}/iki.txt "..\n..\n")
calistir(2 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/yok.txt)
icermeli("${HATA}" "Dosya bulunamadı")

# The usage lists every option of every command; each command explains its own.
calistir(0 ${CLI} --help)
set(kullanim "${CIKTI}")
foreach(komut random dict show solve slots)
  calistir(0 ${CLI} ${komut} --help)
  string(REGEX MATCHALL "--[a-z-]+" secenekler "${CIKTI}")
  list(REMOVE_ITEM secenekler --help)
  icermeli("${kullanim}" ${secenekler})
endforeach()
calistir(0 ${CLI} --version)
icermeli("${CIKTI}" "velzora-cli v")
calistir(2 ${CLI})

# Output that cannot be written is status 3, standard output included.
execute_process(COMMAND ${CLI} --help OUTPUT_FILE /dev/full RESULT_VARIABLE kod ERROR_QUIET)
if(NOT kod EQUAL 3)
  message(FATAL_ERROR "--help into /dev/full: exit ${kod}, expected 3")
endif()
calistir(3 ${CLI} random --rows 5 --cols 5 --out ${GECICI}/yok/c.txt)

# The document and the PDF, with the solution page; --solution needs one of them.
file(WRITE ${GECICI}/ab.txt "AB:birinci\r\nBA:ikinci\r\n")
calistir(0 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/ab.txt --repeat --seed 3
         --docx ${GECICI}/b.docx --pdf ${GECICI}/b.pdf --solution)
file(READ ${GECICI}/b.pdf bas LIMIT 5 HEX)
if(NOT bas STREQUAL "255044462d" OR NOT EXISTS ${GECICI}/b.docx)
  message(FATAL_ERROR "no document or PDF")
endif()
calistir(2 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/ab.txt --solution)
calistir(3 ${CLI} solve --grid ${GECICI}/iki.txt --dict ${GECICI}/ab.txt --repeat --seed 3
         --pdf ${GECICI}/yok/b.pdf)
icermeli("${HATA}" "belge yazılamadı")
