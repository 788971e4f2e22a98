# velzora-cli solve --restarts as a batch user drives it.
file(REMOVE_RECURSE ${GECICI})
file(MAKE_DIRECTORY ${GECICI})

include(${CMAKE_CURRENT_LIST_DIR}/ortak.cmake)

# Three separate slots and two words: no fill without repetition. Rounds of
# one tried candidate cannot show it; a later, longer round does.
file(WRITE ${GECICI}/uc.txt "..\n##\n..\n##\n..\n")
file(WRITE ${GECICI}/s.txt "AB:bir\r\nBA:iki\r\n")
calistir(1 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --seed 2 --restarts
         --restart-base 1 --json)
json_esit(OFF solved)
json_esit(OFF stopped)
json_esit(1 en_derin)
string(JSON turlar GET "${CIKTI}" stats rounds)
if(turlar LESS 2)
  message(FATAL_ERROR "rounds ${turlar}\n${CIKTI}")
endif()

# With repetition the same grid fills; the plain output is the exact search's.
calistir(0 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --seed 2 --repeat --restarts)
icermeli("${CIKTI}" "    Çözüm Bulundu\nGeçen Süre:")

# Without the pruning the same proof takes rounds too.
calistir(1 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --seed 2 --restarts
         --restart-base 1 --no-prune --json)
json_esit(OFF solved)

# The exact search reports a single round.
calistir(1 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --seed 2 --json)
json_esit(1 stats rounds)

# A base or --no-prune needs the mode; a base is a whole number from 1.
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --restart-base 5)
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --no-prune)
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --restarts --restart-base 0)
calistir(2 ${CLI} solve --grid ${GECICI}/uc.txt --dict ${GECICI}/s.txt --restarts --restart-base x)
