#!/usr/bin/env bash
# Over a tour of every kind of screen the program touches no path but its
# shared libraries and the system's display and locale files, opens nothing
# for writing and connects to nothing but the display:
#   nothing_read_or_sent.sh <grimveil-guide>
set -euo pipefail
guide=$(realpath "$1")
here=$(dirname "$0")
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
start_xvfb
# shellcheck source=tour.sh
source "$here/tour.sh"

# Every path the program may name, as extended regular expressions. Each is
# system configuration or code, never the user's data.
allowed=(
  "^${guide//./\\.}\$"                             # the program itself, at its start
  '^/etc/ld\.so\.(cache|preload)$'                 # the dynamic loader
  '^(/usr)?/lib(64)?/'                             # shared libraries and their search paths, glibc's locales and gconv
  '^/usr/share/X11/locale/'                        # Xlib's locale and compose tables
  '^/usr/share/locale/locale\.alias$'              # glibc's locale names
  '^/dev/null$'                                    # the compose file the program points Xlib at
  "^(${HOME:-/nonexistent}/\\.Xauthority|${XAUTHORITY:-/nonexistent})\$" # the display's credentials
  '^/proc/(self|[0-9]+)/exe$'                      # SDL asks where the program lies
  '^(/proc/sys/fs/binfmt_misc/WSLInterop|/run/WSL)$' # SDL's check for running under WSL
)

# As a desktop without a session bus leaves it. Long strings in full, so that
# paths are whole; of the network calls those that make or serve a
# connection, or send to an address (the display's traffic itself would
# swamp the trace).
network=socket,socketpair,connect,bind,listen,accept,accept4,sendto
env -u DBUS_SESSION_BUS_ADDRESS strace -f -qq -s 4096 -o "$work/trace" -e trace=%file,$network \
  "$guide" 2>"$work/guide.err" &
app_pid=$!
pids+=("$app_pid")
tour 20
ends_with_status_0 "$app_pid"
[[ -s $work/trace ]] || fail "strace wrote no trace"

# The path of each call that names one: its first string argument (fd-based
# calls such as newfstatat(3, "") name none).
grep -Ev "^[0-9]+ +(${network//,/|})\(" "$work/trace" | awk '/^[0-9]+ +[a-z0-9_]+\(/ {
  if (match($0, /"([^"\\]|\\.)*"/) && RLENGTH > 2) print substr($0, RSTART + 1, RLENGTH - 2)
}' | sort -u >"$work/paths"
(($(wc -l <"$work/paths") > 10)) || fail "too few paths in the trace to be believed: $(cat "$work/paths")"
pattern=$(printf '%s\n' "${allowed[@]}")
outside=$(grep -Ev -e "$pattern" "$work/paths" || true)
if [[ -n $outside ]]; then
  echo "paths outside the allowed ones; the calls:" >&2
  while read -r path; do grep -F "\"$path\"" "$work/trace" | head -3 | cut -c1-300 >&2; done <<<"$outside"
  fail "the program named paths it has no business with"
fi
pass "every path named is a library, the loader's, Xlib's, the locale's or SDL's probe ($(wc -l <"$work/paths") paths)"

# Nothing opened for writing, created, removed, renamed or changed.
writes=$(grep -E '^[0-9]+ +(open|openat|openat2|creat)\(' "$work/trace" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND' || true)
changes=$(grep -E '^[0-9]+ +(creat|mkdir|mkdirat|rmdir|unlink|unlinkat|rename|renameat2?|link|linkat|symlink|symlinkat|mknod|mknodat|chmod|fchmodat|chown|lchown|fchownat|truncate|utimensat|utimes|futimesat|setxattr|lsetxattr|removexattr|lremovexattr)\(' "$work/trace" || true)
[[ -z $writes && -z $changes ]] || fail "wrote to the file system: $writes $changes"
pass "nothing opened for writing, nothing created or changed"

# Sockets: local ones only, connected to this display's socket alone, by its
# abstract name or its path; no server side, no addressed datagrams.
display_socket="/tmp/\\.X11-unix/X${DISPLAY#:}"
sockets=$(grep -E '^[0-9]+ +(socket|socketpair)\(' "$work/trace")
[[ -n $sockets ]] || fail "no socket in the trace: the display connection should show"
foreign=$(grep -v 'socket(AF_UNIX,\|socketpair(AF_UNIX,' <<<"$sockets" || true)
[[ -z $foreign ]] || fail "a socket that is not local: $foreign"
connects=$(grep -E '^[0-9]+ +connect\(' "$work/trace")
elsewhere=$(grep -Ev "sun_path=@?\"$display_socket\"" <<<"$connects" || true)
[[ -z $elsewhere ]] || fail "connected elsewhere than the display: $elsewhere"
served=$(grep -E '^[0-9]+ +(bind|listen|accept4?)\(' "$work/trace" || true)
[[ -z $served ]] || fail "served a socket: $served"
addressed=$(grep -E '^[0-9]+ +sendto\(' "$work/trace" | grep -E 'sun_path|sin6?_|nl_' || true)
[[ -z $addressed ]] || fail "sent to an address: $addressed"
pass "the only connection is the display's ($(grep -c . <<<"$connects") connects to $DISPLAY)"
[[ ! -s $work/guide.err ]] || fail "the program reported: $(cat "$work/guide.err")"
