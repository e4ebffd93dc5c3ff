#!/bin/sh
# The zova program's command-line contract as a real process: exit codes, output
# streams, the display check, signals (the options and messages: cli_test).
zova="$1"
fail=0
check() { # name expected actual
  if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2] got [$3]"; fail=1; else echo "ok $1"; fi
}
check "keys, exit 0" "$(printf '14\n0')" "$("$zova" --keys "2,+,3,X,4,="; echo $?)"
check "bad token: exit 2, nothing on stdout" "2" "$("$zova" --keys "2,bogus,3" 2>/dev/null; echo $?)"
check "repl" "$(printf '5\n10\n')" "$(printf '5\n+,5,=\nquit\n7\n' | "$zova" --repl)"
# No display: piped input or a file is read as --repl reads it; anything else, a message.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$zova" "$@"; }
work=$(mktemp -d)
check "no display, piped" "5" "$(echo '2,+,3,=' | nodisplay)"
printf '4\n+,5,=\n' >"$work/in.txt"
check "no display, file" "$(printf '4\n9\n')" "$(nodisplay <"$work/in.txt")"
check "no display, no pipe: exit 1, nothing on stdout" 1 "$(nodisplay </dev/null 2>/dev/null; echo $?)"
# Qt's own options go to the window (here: no display, so the message), never "unknown option".
check "qt option, no display" 1 "$(nodisplay -session 1a2b -style=Fusion </dev/null 2>/dev/null; echo $?)"
# Output that cannot be written: said on stderr, exit 1, in every mode.
full="$(printf 'zova: cannot write the output\nexit 1')"
for mode in "--keys 2,+,3,=" "--keys 2 --json" "--repl" "--help" "--version"; do
  # shellcheck disable=SC2086 # a mode is one or more words
  check "$mode to a full disk" "$full" "$(echo 2 | "$zova" $mode 2>&1 >/dev/full; echo "exit $?")"
done
check "no display, piped, to a full disk" "$full" "$(echo 2 | nodisplay 2>&1 >/dev/full; echo "exit $?")"
# SIGTERM during --repl ends the input: the settings file is written all the same.
mkfifo "$work/in"
"$zova" --repl --settings "$work/s.dat" <"$work/in" >"$work/out" &
pid=$!
exec 3>"$work/in"
echo "7,Kin" >&3
for _ in $(seq 100); do [ -s "$work/out" ] && break; sleep 0.05; done
kill -TERM "$pid"
wait "$pid"; status=$?
exec 3>&-
check "SIGTERM exit status" 143 "$status"
check "SIGTERM wrote the settings" 7 "$(head -n1 "$work/s.dat" 2>/dev/null | tr -d '\r')"
rm -rf "$work"
exit $fail
