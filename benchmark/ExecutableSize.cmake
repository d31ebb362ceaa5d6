# Prints the size of PROGRAM against BARE, and their ratio to three places.
file(SIZE ${PROGRAM} program)
file(SIZE ${BARE} bare)
math(EXPR permille "(${program} * 1000 + ${bare} / 2) / ${bare}")
math(EXPR whole "${permille} / 1000")
math(EXPR fraction "${permille} % 1000 + 1000")
string(SUBSTRING ${fraction} 1 3 fraction)
message("kelmarin.exe: ${program} bytes; bare window: ${bare} bytes; ratio ${whole}.${fraction}")
