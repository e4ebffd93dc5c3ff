# Turns `zova --help` into a man page (roff), so the two never drift apart.
execute_process(COMMAND ${ZOVA} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zova --help failed")
endif()
execute_process(COMMAND ${ZOVA} --version OUTPUT_VARIABLE version)
string(STRIP "${version}" version)
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
file(WRITE ${OUT} ".TH ZOVA 1 \"\" \"${version}\" \"User Commands\"
.SH NAME
zova \\- scientific calculator
.SH SYNOPSIS
.nf
${help}.fi
.SH FILES
.TP
.I dadidedo.dat
settings, registers and statistics data, kept in the current directory
.SH SEE ALSO
The program's Help menu: Overview and Keyboard Equivalents.
")
