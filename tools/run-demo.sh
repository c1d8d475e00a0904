#!/usr/bin/env bash
# Starts the demo service on a free port, then the program pointed at it;
# stops the service when the program ends. Usage: run-demo.sh BUILD_DIR
set -euo pipefail
build="${1:-build}"
service="$build/bin/demo-service"
program="$build/bin/tarnwick"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display is available here. Run the demo under a virtual display with:"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' make demo"
  exit 0
fi

portfile=$(mktemp)
logfile="${TARNWICK_DEMO_LOG:-$build/demo-service.log}"
service_pid=
cleanup() {
  if [[ -n "$service_pid" ]]; then
    kill "$service_pid" 2>/dev/null || true
    wait "$service_pid" 2>/dev/null || true
  fi
  rm -f "$portfile"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
"$service" --port 0 --verbose >"$portfile" 2>"$logfile" &
service_pid=$!

# The service prints its port as soon as it listens.
port=
for _ in $(seq 1 100); do
  port=$(head -n 1 "$portfile" 2>/dev/null || true)
  [[ -n "$port" ]] && break
  if ! kill -0 "$service_pid" 2>/dev/null; then
    echo "The demo service did not start:" >&2
    cat "$logfile" >&2
    exit 1
  fi
  sleep 0.1
done
if [[ -z "$port" ]]; then
  echo "The demo service did not report its port." >&2
  exit 1
fi

host="127.0.0.1:$port"
export TARNWICK_GOOGLE_HOST="$host" TARNWICK_YAHOO_HOST="$host" TARNWICK_MSN_HOST="$host"
export TARNWICK_SUGGEST_HOST="$host" TARNWICK_AFFILIATE_HOST="$host"
echo "Demo service on http://$host/ (log: $logfile; it names the characters of every security image)."
"$program"
