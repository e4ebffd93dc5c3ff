#!/bin/sh
# The zova program's command-line contract: output streams and exit codes of the
# real process (its options are cli_test's, in process).
zova="$1"
fail=0
check() { # name expected actual
  if [ "$2" != "$3" ]; then echo "FAIL $1: expected [$2] got [$3]"; fail=1; else echo "ok $1"; fi
}
check "keys" "14" "$("$zova" --keys "2,+,3,X,4,=")"
check "exit 0" "0" "$("$zova" --keys "1" >/dev/null; echo $?)"
out=$("$zova" --keys "2,bogus,3" 2>/dev/null); status=$?
check "bad token status" "2" "$status"
check "bad token no stdout" "" "$out"
err=$("$zova" --keys "2,bogus,3" 2>&1 >/dev/null)
case "$err" in *bogus*2*) check "bad token message" ok ok ;; *) check "bad token message" "names bogus at 2" "$err" ;; esac
check "repl" "$(printf '5\n10\n')" "$(printf '5\n+,5,=\nquit\n7\n' | "$zova" --repl)"
# No display: piped input is read as --repl reads it; from no pipe, a message.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$zova" "$@"; }
check "no display, piped" "5" "$(echo '2,+,3,=' | nodisplay)"
check "no display, file" "$(printf '4\n9\n')" "$(printf '4\n+,5,=\n' >"${TMPDIR:-/tmp}/zova-in.$$"; nodisplay <"${TMPDIR:-/tmp}/zova-in.$$"; rm -f "${TMPDIR:-/tmp}/zova-in.$$")"
check "no display, xcb, piped" "6" "$(echo '2,X,3,=' | QT_QPA_PLATFORM=xcb env -u DISPLAY -u WAYLAND_DISPLAY "$zova")"
err=$(nodisplay </dev/null 2>&1 >/dev/null); status=$?
check "no display status" 1 "$status"
case "$err" in *--keys*--repl*) check "no display message" ok ok ;; *) check "no display message" "names --keys and --repl" "$err" ;; esac
check "no display message is one line" 1 "$(printf '%s\n' "$err" | wc -l)"
# Qt's own options go to the window (here: no display, so the message), never "unknown option".
check "qt option, no display" 1 "$(nodisplay -session 1a2b -style=Fusion </dev/null 2>/dev/null; echo $?)"
# SIGTERM during --repl ends the input: the settings file is written all the same.
work=$(mktemp -d)
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
