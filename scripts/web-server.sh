#!/usr/bin/env bash
# Serves the web page's site (build/web/site/) on the loopback with nginx, as any static host
# would serve it: plain files, no compression.
#   scripts/web-server.sh start [PORT]   in the background; prints the address
#   scripts/web-server.sh stop
#   scripts/web-server.sh run [PORT]     in the foreground, until Ctrl+C
# PORT defaults to TARUMO_WEB_PORT, else 47310 (the release tests use 47291-47299). The
# configuration, pid file and logs lie in build/web/server/ (TARUMO_WEB_BUILD moves build/web).
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:-}
port=${2:-${TARUMO_WEB_PORT:-47310}}
build=$(realpath -m "${TARUMO_WEB_BUILD:-build/web}")
site=$build/site
folder=$build/server
pid_file=$folder/nginx.pid
nginx=$(command -v nginx || echo /usr/sbin/nginx)

# The pid of this folder's server, if it runs: a stale pid file may name another process.
running_pid() {
  [[ -f $pid_file ]] || return 1
  local pid
  pid=$(<"$pid_file")
  [[ $pid =~ ^[0-9]+$ ]] || return 1
  tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF -- "$folder/nginx.conf" || return 1
  echo "$pid"
}

write_config() {
  local daemon=$1
  mkdir -p "$folder/temp"
  {
    [[ $(id -u) -eq 0 ]] && echo "user root;"
    cat <<CONF
daemon $daemon;
worker_processes 1;
pid $pid_file;
error_log $folder/error.log warn;
events {
  worker_connections 256;
}
http {
  include /etc/nginx/mime.types;
  default_type application/octet-stream;
  access_log $folder/access.log;
  client_body_temp_path $folder/temp/body;
  proxy_temp_path $folder/temp/proxy;
  fastcgi_temp_path $folder/temp/fastcgi;
  uwsgi_temp_path $folder/temp/uwsgi;
  scgi_temp_path $folder/temp/scgi;
  gzip off;
  server {
    listen 127.0.0.1:$port;
    root $site;
    index index.html;
  }
}
CONF
  } >"$folder/nginx.conf"
}

case $action in
  start)
    [[ -f $site/index.html ]] || { echo "web-server: $site/index.html is not built" >&2; exit 1; }
    if pid=$(running_pid); then kill "$pid"; fi
    write_config on
    "$nginx" -c "$folder/nginx.conf" -e "$folder/error.log"
    echo "http://127.0.0.1:$port/"
    ;;
  stop)
    if pid=$(running_pid); then
      kill "$pid"
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    ;;
  run)
    [[ -f $site/index.html ]] || { echo "web-server: $site/index.html is not built" >&2; exit 1; }
    if pid=$(running_pid); then kill "$pid"; fi
    write_config off
    echo "The page: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec "$nginx" -c "$folder/nginx.conf" -e "$folder/error.log"
    ;;
  *)
    echo "usage: scripts/web-server.sh start|stop|run [PORT]" >&2
    exit 2
    ;;
esac
