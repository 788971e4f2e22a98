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
calistir(1 ${CLI} dict --dict ${GECICI}/yok.txt)
icermeli("${HATA}" "Dosya bulunamadı")
