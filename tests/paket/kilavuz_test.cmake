# Every command and option of the synopsis in the README's "Command-line tool"
# section (its indented lines) stands in velzora-cli's manual page, where roff
# writes a hyphen as \-.
file(READ ${BENIOKU} benioku)
string(REGEX REPLACE ".*\n## Command-line tool\n" "" bolum "${benioku}")
string(REGEX REPLACE "\n## .*" "" bolum "${bolum}")
string(REGEX MATCHALL "\n    [^\n]*" ozet "${bolum}")
string(REGEX MATCHALL "velzora-cli [a-z]+|--[a-z][a-z-]*" adlar "${ozet}")
list(REMOVE_DUPLICATES adlar)

file(READ ${KILAVUZ} kilavuz)
string(REPLACE "\\-" "-" kilavuz "${kilavuz}")
set(eksikler)
foreach(ad IN LISTS adlar)
  string(FIND "${kilavuz}" "${ad}" yer)
  if(yer EQUAL -1)
    list(APPEND eksikler "${ad}")
  endif()
endforeach()
list(LENGTH adlar sayi)
if(sayi LESS 10 OR eksikler)
  message(FATAL_ERROR "Kılavuz sayfasında eksik (README'de ${sayi} ad): ${eksikler}")
endif()
