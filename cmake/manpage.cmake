# Turns `zova --help` into a man page (roff), so the two never drift apart: the
# usage lines become the SYNOPSIS, the rest of the help the OPTIONS; the other
# sections are written here.
execute_process(COMMAND ${ZOVA} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zova --help failed")
endif()
execute_process(COMMAND ${ZOVA} --version OUTPUT_VARIABLE version)
string(STRIP "${version}" version)
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(FIND "${help}" "\n\n" split)
string(SUBSTRING "${help}" 0 ${split} usage)
math(EXPR split "${split} + 2")
string(SUBSTRING "${help}" ${split} -1 options)
string(REGEX REPLACE "^Usage:\n" "" usage "${usage}")
file(WRITE ${OUT} ".TH ZOVA 1 \"\" \"${version}\" \"User Commands\"
.SH NAME
zova \\- scientific calculator
.SH SYNOPSIS
.nf
${usage}
.fi
.SH DESCRIPTION
Without arguments
.B zova
opens the calculator window: operator precedence with 100 bracket levels,
trigonometric and hyperbolic functions, memory M and K, number bases with
bitwise operations, fractions, a statistics register, time value of money and
amortization, a unit converter with a library of constants, and a periodic
table with a molar\\-mass calculator. The window is left in the system tray
when it is hidden.
.PP
With
.B \\-\\-keys
or
.B \\-\\-repl
it runs the same calculator without a window: it presses the keys and actions
of a sequence and prints the display, or the visible state as JSON, for
scripts. The options Qt documents for its applications (\\-platform, \\-style,
\\-display, ...) go to the window.
.SH OPTIONS
.nf
${options}.fi
.SH FILES
.TP
.I ./dadidedo.dat
The window's settings, registers and statistics data, when the current
directory holds such a file.
.TP
.I $XDG_CONFIG_HOME/zova/dadidedo.dat
Otherwise the window keeps them here (\\fI~/.config/zova/dadidedo.dat\\fR when
XDG_CONFIG_HOME is not set).
.PP
The command line reads and writes a settings file only when
.B \\-\\-settings
names one.
.TP
.I $XDG_CONFIG_HOME/autostart/zova.desktop
The start\\-up entry the Options menu creates to start the calculator with the
desktop session.
.SH EXIT STATUS
.TP
.B 0
Success.
.TP
.B 1
The settings file could not be written, the window could not be loaded, or
there is no display to open it on and no input to read.
.TP
.B 2
A bad command line or a bad sequence (unknown key name, malformed action);
the message goes to standard error.
.SH EXAMPLES
.TP
.B zova \\-\\-keys \\(dq2,+,3,X,4,=\\(dq
prints 14.
.TP
.B zova \\-\\-keys \\(dqmenu:statistics,5,stat:enter,7,stat:enter,stat:mean\\(dq
opens the statistics panel, enters 5 and 7 and prints their mean, 6; with
.B \\-\\-json
it prints the visible state as JSON instead.
.TP
.B echo \\(dq1,+,1,=\\(dq | zova \\-\\-repl \\-\\-settings calc.dat
reads sequences from standard input, keeping registers and memory in calc.dat.
.SH SEE ALSO
The program's Help menu: Overview and Keyboard Equivalents.
")
