#!/usr/bin/env bash
# scripts/alley: which program folders ./run gives the lane simulator.
#   alley_test.sh <source folder> <lanesim>
set -uo pipefail
quelle="$1"
lanesim="$2"
alley="$quelle/scripts/alley"
tmp="$(mktemp -d)"
sim=""
trap '[ -n "$sim" ] && kill "$sim" 2>/dev/null; rm -rf "$tmp"' EXIT
fehler=0

# A loopback port nothing listens on (the simulator takes it later). It lies
# below the kernel's range for outgoing connections, so that the other tests'
# clients running at the same time cannot hold it by then.
freierPort() {
  local p unten
  read -r unten _ </proc/sys/net/ipv4/ip_local_port_range 2>/dev/null || unten=32768
  [ "$unten" -gt 21000 ] 2>/dev/null || unten=32768
  while :; do
    p=$((20000 + RANDOM % (unten - 20000)))
    "$alley" --lauscht "$p" || { echo "$p"; return; }
  done
}
port="$(freierPort)"
bus="virtualcan:tcp://127.0.0.1:$port/can0"

# name | settings lines (\n-separated, written CR LF) | expected output ("" = no simulator)
faelle=(
  "neuer Ordner|ASSET|schnittstelle=$bus port=$port bahnen=4 pceinheit=1"
  "Bahnen und Station aus den Einstellungen, Schreibweise der Schlüssel beliebig|[Bahnsteuerung]\nbahnen=6\nBahnen = viele\nPCEINHEIT = 3\n[CanBus]\nCanBusKarte = \$0A\nCanSchnittstelle =  virtualcan:tcp://localhost:$port/can1 |schnittstelle=virtualcan:tcp://localhost:$port/can1 port=$port bahnen=6 pceinheit=3"
  "Station 0 hört wie Station 1|PcEinheit = 0\nCanBusKarte = 1\nCanSchnittstelle = $bus|schnittstelle=$bus port=$port bahnen=4 pceinheit=1"
  "SocketCAN|CanBusKarte = 1\nCanSchnittstelle = socketcan:can0|"
  "PEAK-Bibliothek|CanBusKarte = 10\nCanSchnittstelle = peakcan:usb0|"
  "ohne Schnittstelle gilt socketcan:can0|CanBusKarte = 1|"
  "keine Karte|CanBusKarte = 0\nCanSchnittstelle = $bus|"
  "virtueller Bus auf einem anderen Rechner|CanBusKarte = 1\nCanSchnittstelle = virtualcan:tcp://192.168.1.5:$port/can0|"
  "keine Einstellungsdatei|NICHTS|"
)

pruefen() {  # name, expected, folder
  local ist
  ist="$("$alley" "$3" 2>/dev/null | tr '\n' ' ' | sed 's/ $//')"
  if [ "$ist" != "$2" ]; then
    echo "FEHLER $1: erwartet \"$2\", erhalten \"$ist\""
    fehler=1
  fi
}

n=0
for fall in "${faelle[@]}"; do
  IFS='|' read -r name zeilen erwartet <<<"$fall"
  n=$((n + 1))
  ordner="$tmp/$n"
  mkdir -p "$ordner"
  case "$zeilen" in
    ASSET) sed "s/:35470\//:$port\//" "$quelle/assets/Bravolin.inf" >"$ordner/Bravolin.inf" ;;
    NICHTS) ;;
    *) printf '%b\n' "$zeilen" | sed 's/$/\r/' >"$ordner/Bravolin.inf" ;;
  esac
  pruefen "$name" "$erwartet" "$ordner"
done

# The first-use settings name ./run's own port.
grep -q '^CanSchnittstelle = virtualcan:tcp://127.0.0.1:35470/can0'$'\r''$' "$quelle/assets/Bravolin.inf" ||
  { echo "FEHLER: assets/Bravolin.inf nennt nicht den Bus von ./run"; fehler=1; }

# Five starts in one folder keep the last log and those of the three before.
log="$tmp/1/lanesim.log"
for n in 1 2 3 4 5; do [ "$("$alley" --protokoll "$tmp/1")" = "$log" ] && echo "$n" >"$log"; done
ist="$(cat "$log" "$log".[1-9] 2>/dev/null | tr '\n' ' ')"
[ "$ist" = "5 4 3 2 " ] || { echo "FEHLER Protokolle: erwartet \"5 4 3 2 \", erhalten \"$ist\""; fehler=1; }

# While a bus is served on the port (here by the simulator itself) no
# second simulator starts.
"$lanesim" --schnittstelle "$bus" >"$tmp/lanesim.log" 2>&1 &
sim=$!
bereit=""
for _ in $(seq 300); do
  kill -0 "$sim" 2>/dev/null || break
  "$alley" --lauscht "$port" && { bereit=1; break; }
  sleep 0.1
done
if [ -z "$bereit" ]; then
  echo "FEHLER: lanesim lauscht nicht auf $port"; cat "$tmp/lanesim.log"; fehler=1
else
  pruefen "Port schon belegt" "" "$tmp/1"
fi

[ "$fehler" -eq 0 ] && echo "alle Fälle bestanden"
exit "$fehler"
