#!/usr/bin/python3
"""FTP server of the tests (python3-pyftpdlib) on 127.0.0.1 (or --adresse).

One user with every right on the root folder; active and passive data
connections. Prints its port on stdout when it is ready and ends when its
stdin closes (or after --zeitlimit seconds); with --dauerhaft it runs until
it is stopped (Ctrl+C, kill), whatever its stdin and however long. Every command received is
appended to the log file as one line, as the client sent it ("CWD a",
"TYPE I", "STOR Update.csv"); the password of PASS is masked. A CWD without
a folder name is refused.

--heimordner NAME puts the user into the folder NAME below the root at
login, as a server does with a user's home; the root stays reachable.
--tls ZERTIFIKAT offers AUTH TLS with the certificate and key of that PEM
file and requires TLS on the control and the data connections.
--iso-datum lists dates as "2024-01-31 12:00" instead of "Jan 31 12:00".
--endlose-liste answers LIST with lines that never end.
--tropfliste S answers LIST with one byte every S seconds, without end.
--listenzeile TEXT adds the line TEXT to every listing (repeatable).
--port-stumm leaves PORT and EPRT unanswered.
--abbruch-nach N resets an upload's data connection once N bytes came in and
  leaves the transfer's reply unsent, as a server whose reply the client has
  not read yet.
--abbruch-mal N does so with the first N uploads only (all: -1), counted over
  all connections.
--unvollstaendig-mal N keeps only the first half of the first N files received
  (all: -1) after replying that the transfer is complete.
--stor-antwort TEXT answers STOR with the reply TEXT ("522 ...") instead of
  taking the file, the first --stor-antwort-mal N times (all: -1), counted
  over all connections.
"""

import argparse
import logging
import os
import socket
import stat
import struct
import sys
import threading
import time

from pyftpdlib.authorizers import AuthenticationFailed, DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import ActiveDTP, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


class Abweisend(DummyAuthorizer):
    def validate_authentication(self, username, password, handler):
        raise AuthenticationFailed("Authentication failed.")


def dateisystem_klasse(a):
    class Dateisystem(AbstractedFS):
        def __init__(self, root, cmd_channel):
            AbstractedFS.__init__(self, root, cmd_channel)
            if a.heimordner:
                self._cwd = "/" + a.heimordner

        def format_list(self, basedir, listing, ignore_err=True):
            for zeile in a.listenzeile:
                yield (zeile + "\r\n").encode("utf8")
            if not a.iso_datum:
                yield from AbstractedFS.format_list(self, basedir, listing, ignore_err)
                return
            for name in listing:
                try:
                    st = self.lstat(os.path.join(basedir, name))
                except OSError:
                    continue
                datum = time.strftime("%Y-%m-%d %H:%M", time.localtime(st.st_mtime))
                zeile = "%s 1 kegler kegler %d %s %s\r\n" % (stat.filemode(st.st_mode), st.st_size, datum, name)
                yield zeile.encode("utf8", self.cmd_channel.unicode_errors)

    return Dateisystem


class EndloseListe:
    """A producer of listing lines without end."""

    def __init__(self):
        self.nummer = 0

    def more(self):
        self.nummer += 1
        zeile = b"-rw-r--r-- 1 kegler kegler 5 Jan 31 12:00 datei%d.txt\r\n" % self.nummer
        return zeile * 2000


class AktivUebergeben(ActiveDTP):
    """pyftpdlib 1.5.7 keeps the number of the socket it hands over to the
    data handler. Closing the connector later (at QUIT, at the next PORT)
    unregisters whatever connection has got that number since, and the
    server never reads from it again: a client's next session hangs."""

    def handle_connect(self):
        ActiveDTP.handle_connect(self)
        daten = self.cmd_channel.data_channel
        if daten is not None and daten.socket is self.socket:
            self._fileno = None
            self.socket = None


def handler_klasse(a, protokoll, basis):
    zaehler = {"stor": 0}

    class Handler(basis):
        auth_failed_timeout = 0.05
        stumm = False

        def respond(self, resp, logfun=logging.debug):
            if self.stumm and resp[:1] in ("2", "4"):
                self.stumm = False
                return None
            return basis.respond(self, resp, logfun)

        def pre_process_command(self, line, cmd, arg):
            protokoll.write((cmd + " ****" if cmd == "PASS" else line) + "\n")
            protokoll.flush()
            if cmd == "CWD" and not arg:
                # As most servers do; pyftpdlib would change to the home folder.
                return self.respond("501 Syntax error: command needs an argument.")
            if a.verzoegerung <= 0:
                return basis.pre_process_command(self, line, cmd, arg)

            def spaeter():
                if not self._closed:
                    basis.pre_process_command(self, line, cmd, arg)
            self.ioloop.call_later(a.verzoegerung, spaeter, _errback=self.handle_error)

        def ftp_STOR(self, file, mode="w"):
            if a.stor_antwort and (a.stor_antwort_mal < 0 or zaehler["stor"] < a.stor_antwort_mal):
                zaehler["stor"] += 1
                return self.respond(a.stor_antwort)
            return basis.ftp_STOR(self, file, mode)

        def ftp_LIST(self, path):
            if a.tropfliste > 0:
                self.tropfen = True
                self.push_dtp_data(EndloseListe(), isproducer=True, cmd="LIST")
                return path
            if not a.endlose_liste:
                return basis.ftp_LIST(self, path)
            self.push_dtp_data(EndloseListe(), isproducer=True, cmd="LIST")
            return path

        def ftp_PORT(self, line):
            if a.port_stumm:
                return None
            if a.nur_passiv:
                return self.respond("502 Active mode not allowed.")
            return basis.ftp_PORT(self, line)

        def ftp_EPRT(self, line):
            if a.port_stumm:
                return None
            if a.nur_passiv:
                return self.respond("502 Active mode not allowed.")
            return basis.ftp_EPRT(self, line)

    return Handler


def main():
    p = argparse.ArgumentParser()
    p.add_argument("wurzel", help="root folder of the user")
    p.add_argument("protokoll", help="log file of the commands received")
    p.add_argument("--kennung", default="kegler")
    p.add_argument("--passwort", default="geheim")
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--adresse", default="127.0.0.1", help="the address to listen on (::1 for IPv6)")
    p.add_argument("--zeitlimit", type=float, default=300.0)
    p.add_argument("--dauerhaft", action="store_true", help="no time limit, stdin ignored: for trying by hand")
    p.add_argument("--verzoegerung", type=float, default=0.0, help="seconds before each command is handled")
    p.add_argument("--ablehnen", action="store_true", help="refuse every login")
    p.add_argument("--nur-passiv", action="store_true", help="refuse PORT and EPRT")
    p.add_argument("--port-stumm", action="store_true",
                   help="never answer PORT and EPRT, as behind a firewall that drops the connection back")
    p.add_argument("--drossel", type=int, default=0, help="bytes per second on data connections")
    p.add_argument("--heimordner", default="", help="the login folder below the root")
    p.add_argument("--tls", default="", help="PEM file with certificate and key: TLS required")
    p.add_argument("--iso-datum", action="store_true", help="ISO dates in listings")
    p.add_argument("--endlose-liste", action="store_true", help="LIST never ends")
    p.add_argument("--tropfliste", type=float, default=0.0, help="LIST sends one byte every this many seconds")
    p.add_argument("--listenzeile", action="append", default=[], help="a line added to every listing")
    p.add_argument("--abbruch-nach", type=int, default=0, help="reset an upload after this many bytes, no reply")
    p.add_argument("--abbruch-mal", type=int, default=-1, help="how many uploads are reset (-1: all)")
    p.add_argument("--unvollstaendig-mal", type=int, default=0, help="how many files are cut to half (-1: all)")
    p.add_argument("--stor-antwort", default="", help="the reply to STOR instead of taking the file")
    p.add_argument("--stor-antwort-mal", type=int, default=-1, help="how many STORs get it (-1: all)")
    a = p.parse_args()

    logging.basicConfig(level=logging.ERROR)
    autorisierer = Abweisend() if a.ablehnen else DummyAuthorizer()
    autorisierer.add_user(a.kennung, a.passwort, a.wurzel, perm="elradfmwMT")

    if a.heimordner:
        os.makedirs(os.path.join(a.wurzel, a.heimordner), exist_ok=True)

    protokoll = open(a.protokoll, "a", encoding="utf-8", errors="replace")
    basis = FTPHandler
    if a.tls:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

        class DatenVerschluesselt(TLS_DTPHandler):
            # A client that starts the handshake as soon as it has connected,
            # before the transfer command: pyftpdlib would drop the connection.
            def readable(self):
                return self._ssl_accepting or TLS_DTPHandler.readable(self)

        class Verschluesselt(TLS_FTPHandler):
            certfile = a.tls
            tls_control_required = True
            tls_data_required = True
            dtp_handler = DatenVerschluesselt
        basis = Verschluesselt
    handler = handler_klasse(a, protokoll, basis)
    handler.authorizer = autorisierer
    handler.abstracted_fs = dateisystem_klasse(a)
    handler.active_dtp = AktivUebergeben
    handler.permit_foreign_addresses = False
    if a.drossel > 0:
        class Gedrosselt(ThrottledDTPHandler):
            read_limit = a.drossel
            write_limit = a.drossel
        handler.dtp_handler = Gedrosselt

    zaehler = {"abbruch": 0, "unvollstaendig": 0}

    def noch(art, mal):
        if mal >= 0 and zaehler[art] >= mal:
            return False
        zaehler[art] += 1
        return True

    if a.tropfliste > 0:
        class Tropfend(ThrottledDTPHandler):
            """Sends one byte at a time (a buffer of one byte) and sleeps
            after each one while its command channel asks for it."""
            write_limit = 1

            def _throttle_bandwidth(self, len_chunk, max_speed):
                if not getattr(self.cmd_channel, "tropfen", False):
                    return

                def weiter():
                    self.add_channel(events=self.ioloop.WRITE)
                self.del_channel()
                self._cancel_throttler()
                self._throttler = self.ioloop.call_later(a.tropfliste, weiter, _errback=self.handle_error)
        handler.dtp_handler = Tropfend

    if a.abbruch_nach > 0:
        daten_basis = handler.dtp_handler

        class Abbrechend(daten_basis):
            def handle_read(self):
                daten_basis.handle_read(self)
                if (self.receive and not self._closed and self.get_transmitted_bytes() >= a.abbruch_nach
                        and noch("abbruch", a.abbruch_mal)):
                    self.cmd_channel.stumm = True
                    self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                    self.close()
            handle_read_event = handle_read  # the loop calls this name
        handler.dtp_handler = Abbrechend

    if a.unvollstaendig_mal != 0:
        empfang_basis = handler

        class Kuerzend(empfang_basis):
            def on_file_received(self, file):
                if noch("unvollstaendig", a.unvollstaendig_mal):
                    os.truncate(file, os.path.getsize(file) // 2)
        handler = Kuerzend

    server = FTPServer((a.adresse, a.port), handler)
    print(server.socket.getsockname()[1], flush=True)

    ende = threading.Event()

    def stdin_beobachten():
        while sys.stdin.buffer.read1(1024):
            pass
        ende.set()

    if a.dauerhaft:
        try:
            server.serve_forever(timeout=0.5, blocking=True, handle_exit=True)
        finally:
            server.close_all()
            protokoll.close()
        return
    threading.Thread(target=stdin_beobachten, daemon=True).start()
    frist = time.monotonic() + a.zeitlimit
    while not ende.is_set() and time.monotonic() < frist:
        server.serve_forever(timeout=0.05, blocking=False, handle_exit=False)
    server.close_all()
    protokoll.close()


if __name__ == "__main__":
    main()
