# Sourced: serves the folder $1 on a free 127.0.0.1 port until the sourcing script ends, and sets web_url
# to its address once the server answers.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 "$(dirname "${BASH_SOURCE[0]}")/serve_web.py" "$1" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
web_url="http://127.0.0.1:$port/"
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('$web_url')" 2>/dev/null && break
  sleep 0.1
done
