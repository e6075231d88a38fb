#!/usr/bin/env bash
# scripts/install-deps with stand-ins for dpkg-query, id, sudo, apt-get and
# scripts/proftpd-holen: what it installs, through sudo or not, and what it
# says when it may not.
#   install_deps_test.sh <source folder>
set -uo pipefail
bash="$(command -v bash)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fehler=0

mkdir -p "$tmp/bin" "$tmp/erlaubt" "$tmp/verweigert" "$tmp/scripts"
skript="$tmp/scripts/install-deps"
cp "$1/scripts/install-deps" "$skript"
cat >"$tmp/scripts/proftpd-holen" <<'X'
#!/bin/bash
echo "proftpd-holen" >>"$PROTOKOLL"
exit "$HOLEN_RC"
X
for p in grep env; do ln -s "$(command -v "$p")" "$tmp/bin/$p"; done
# Every package counts as installed but those in $FEHLT.
cat >"$tmp/bin/dpkg-query" <<'X'
#!/bin/bash
for p in $FEHLT; do [ "$p" = "${!#}" ] && exit 1; done
printf 'install ok installed'
X
cat >"$tmp/bin/id" <<'X'
#!/bin/bash
case "$*" in -u) echo "$NUTZER_ID" ;; -un) echo kegler ;; *) exit 1 ;; esac
X
cat >"$tmp/bin/apt-get" <<'X'
#!/bin/bash
echo "${SUDO_USER:+sudo }apt-get $* ($DEBIAN_FRONTEND)" >>"$PROTOKOLL"
exit "$APT_RC"
X
cat >"$tmp/erlaubt/sudo" <<'X'
#!/bin/bash
[ "$1" = -v ] && exit 0
SUDO_USER=kegler exec "$@"
X
cat >"$tmp/verweigert/sudo" <<'X'
#!/bin/bash
echo "Sorry, user kegler may not run sudo on kegelbahn." >&2
exit 1
X
chmod +x "$tmp"/bin/* "$tmp"/erlaubt/sudo "$tmp"/verweigert/sudo "$tmp"/scripts/*

hinweis="Zum Installieren sind Root-Rechte oder sudo-Rechte nötig. Es fehlen die Pakete:
  xvfb vsftpd
Installieren Sie sie als root mit
  apt-get install --no-install-recommends xvfb vsftpd
oder starten Sie das Skript als Benutzer mit sudo-Rechten."
installiert="apt-get update (noninteractive)
apt-get install -y --no-install-recommends xvfb vsftpd (noninteractive)"
# With --tests proftpd is unpacked after the packages, and only when they are there.
holen="proftpd-holen"
nichtEntpackt="Hinweis: proftpd für die Tests konnte nicht entpackt werden; ihre Tests mit proftpd werden übersprungen."
# What the tests' own servers and print system need.
server="python3-openssl openssl vsftpd cups printer-driver-cups-pdf libcups2-dev"

# name | user id | sudo (kein, erlaubt, verweigert) | missing | apt-get's exit | proftpd-holen's exit | exit |
# the calls | message
faelle=(
  "alles da|1000|kein||0|0|0|$holen|"
  "proftpd nicht entpackt|1000|kein||0|1|0|$holen|$nichtEntpackt"
  "root|0|kein|xvfb vsftpd|0|0|0|$installiert
$holen|"
  "Pakete der Testserver|0|kein|$server|0|0|0|apt-get update (noninteractive)
apt-get install -y --no-install-recommends $server (noninteractive)
$holen|"
  "Benutzer mit sudo-Rechten|1000|erlaubt|xvfb vsftpd|0|0|0|${installiert//apt-get/sudo apt-get}
$holen|"
  "ohne sudo|1000|kein|xvfb vsftpd|0|0|1||sudo ist nicht installiert.
$hinweis"
  "sudo ohne Rechte|1000|verweigert|xvfb vsftpd|0|0|1||Sorry, user kegler may not run sudo on kegelbahn.
sudo erlaubt dem Benutzer kegler das Installieren nicht (keine sudo-Rechte, oder das Passwort wurde nicht angenommen).
$hinweis"
  "apt-get scheitert|0|kein|xvfb vsftpd|100|0|1|apt-get update (noninteractive)|Die Pakete konnten nicht installiert werden (siehe die Meldungen von apt-get oben): xvfb vsftpd"
)

for fall in "${faelle[@]}"; do
  IFS='|' read -r -d '' name uid sudo fehlt aptrc holenrc rc aufrufe meldung <<<"$fall"
  meldung="${meldung%$'\n'}"
  pfad="$tmp/bin"
  [ "$sudo" != kein ] && pfad="$tmp/$sudo:$pfad"
  : >"$tmp/protokoll"
  LC_ALL=C.UTF-8 PATH="$pfad" FEHLT="$fehlt" NUTZER_ID="$uid" APT_RC="$aptrc" HOLEN_RC="$holenrc" \
    PROTOKOLL="$tmp/protokoll" \
    "$bash" "$skript" --tests >/dev/null 2>"$tmp/fehler"
  ist=$?
  if [ "$ist" != "$rc" ]; then
    echo "FEHLER $name: Ende $ist statt $rc"
    fehler=1
  fi
  if [ "$(cat "$tmp/protokoll")" != "$aufrufe" ]; then
    echo "FEHLER $name: apt-get-Aufrufe"
    diff <(echo "$aufrufe") "$tmp/protokoll"
    fehler=1
  fi
  if [ "$(cat "$tmp/fehler")" != "$meldung" ]; then
    echo "FEHLER $name: Meldung"
    diff <(echo "$meldung") "$tmp/fehler"
    fehler=1
  fi
done
# Without --tests (./run) proftpd is not fetched.
: >"$tmp/protokoll"
LC_ALL=C.UTF-8 PATH="$tmp/bin" FEHLT="" NUTZER_ID=1000 APT_RC=0 HOLEN_RC=0 PROTOKOLL="$tmp/protokoll" \
  "$bash" "$skript" >/dev/null 2>&1 || { echo "FEHLER ohne --tests: Ende $?"; fehler=1; }
if [ -s "$tmp/protokoll" ]; then
  echo "FEHLER ohne --tests: $(cat "$tmp/protokoll")"
  fehler=1
fi
[ "$fehler" -eq 0 ] && echo "install-deps: ${#faelle[@]} Fälle richtig"
exit "$fehler"
