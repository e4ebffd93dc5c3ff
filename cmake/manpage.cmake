# Turns `zova --help` into a man page (roff), so the two never drift apart: the
# usage lines become the SYNOPSIS, the rest of the help the OPTIONS; the other
# sections are written here. The date is that of debian/changelog's latest entry.
file(STRINGS ${CHANGELOG} trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT trailer MATCHES ", ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
  message(FATAL_ERROR "${CHANGELOG}: no date in the latest entry")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
math(EXPR day "${CMAKE_MATCH_1}")
foreach(part month day)
  if(${part} LESS 10)
    set(${part} 0${${part}})
  endif()
endforeach()
set(date ${CMAKE_MATCH_3}-${month}-${day})
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
# The help after the usage: the option list, a paragraph on sequences, the list
# of actions. Options become tagged paragraphs ("--name ARG   text" starts one,
# an indented line continues it); the actions keep their columns, set nearer
# the margin so that they fit 80 columns.
string(FIND "${options}" "\n\n" end)
string(SUBSTRING "${options}" 0 ${end} list)
math(EXPR end "${end} + 2")
string(SUBSTRING "${options}" ${end} -1 rest)
string(FIND "${rest}" "\n\n" end)
string(SUBSTRING "${rest}" 0 ${end} sequences)
math(EXPR end "${end} + 2")
string(SUBSTRING "${rest}" ${end} -1 actions)
string(REGEX REPLACE "(^|\n)(\\\\-\\\\-[a-z]+)( [A-Z]+|) +" "\\1.TP\n.BI \"\\2\" \"\\3\"\n" list
                     "${list}")
string(REGEX REPLACE "\n +" "\n" list "${list}")
string(FIND "${actions}" "\n" end)
string(SUBSTRING "${actions}" 0 ${end} actions_title)
string(SUBSTRING "${actions}" ${end} -1 actions)
string(REPLACE "\n  " "\n" actions "${actions}")
string(SUBSTRING "${actions}" 1 -1 actions)
file(WRITE ${OUT} ".TH ZOVA 1 \"${date}\" \"${version}\" \"User Commands\"
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
${list}
.TP
.BR \\-h \", \" \\-\\-help
print this usage and the actions, and exit
.TP
.BR \\-V \", \" \\-\\-version
print the version, and exit
.PP
A long option's value may also follow an equals sign, as in
.BR \\-\\-keys=\\(dq2,+,3,=\\(dq ;
.B \\-\\-
ends the options.
.PP
${sequences}
.PP
${actions_title}
.PP
.nf
.in 2n
${actions}.fi
.in
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
.SH ENVIRONMENT
.TP
.B XDG_CONFIG_HOME
The folder that holds the window's settings folder,
.IR zova ;
\\fI~/.config\\fR when not set.
.TP
.B LANGUAGE
The languages of the window's texts, in order of preference, ahead of
LC_ALL, LC_MESSAGES and LANG. The command line's texts are always English.
.TP
.BR LC_ALL \", \" LC_NUMERIC \", \" LANG
The first one set names the locale whose decimal and grouping symbols the
window and, without
.BR \\-\\-locale ,
the command line show.
.TP
.B QT_QPA_PLATFORM
The window system the window opens on (xcb, wayland, offscreen, ...). When
neither it nor DISPLAY nor WAYLAND_DISPLAY names one,
.B zova
reads sequences from standard input as
.B \\-\\-repl
does when that is a pipe or a file, and otherwise exits with status 1.
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
