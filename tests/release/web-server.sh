#!/usr/bin/env bash
# Starts or stops the release tests' web server:
#   web-server.sh start <nginx> <folder> <closed port>
#   web-server.sh stop <nginx> <folder>
# <folder> holds nginx.conf (made by CMake); the server keeps its pid file, logs, temporary
# files and the release archive www/tarumo2.lzh there. Start also makes sure that nothing
# listens on <closed port>, where the tests expect no server.
set -euo pipefail

action=$1
nginx=$2
folder=$3
pid_file=$folder/nginx.pid

# The pid of this folder's server, if it runs: a stale pid file may name another process.
running_pid() {
  [[ -f $pid_file ]] || return 1
  local pid
  pid=$(<"$pid_file")
  [[ $pid =~ ^[0-9]+$ ]] || return 1
  tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF -- "$folder/nginx.conf" || return 1
  echo "$pid"
}

stop() {
  local pid
  if pid=$(running_pid); then
    kill -QUIT "$pid"
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  rm -f "$pid_file"
}

listens() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

case $action in
  start)
    closed_port=$4
    stop
    mkdir -p "$folder/www" "$folder/temp"
    [[ -f $folder/www/tarumo2.lzh ]] || printf 'release archive\n' >"$folder/www/tarumo2.lzh"
    : >"$folder/access.log"
    : >"$folder/error.log"
    if ! "$nginx" -e "$folder/error.log" -p "$folder" -c "$folder/nginx.conf"; then
      cat "$folder/error.log" >&2
      exit 1
    fi
    if listens "$closed_port"; then
      echo "web-server: something listens on port $closed_port, which must stay closed" >&2
      stop
      exit 1
    fi
    echo "web-server: nginx $(running_pid) serves from $folder"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: web-server.sh start|stop <nginx> <folder> [<closed port>]" >&2
    exit 2
    ;;
esac
