#!/usr/bin/python3
"""FTP server of the tests (python3-pyftpdlib) on 127.0.0.1.

One user with every right on the root folder; active and passive data
connections. Prints its port on stdout when it is ready and ends when its
stdin closes (or after --zeitlimit seconds). Every command received is
appended to the log file as one line, as the client sent it ("CWD a",
"TYPE I", "STOR Update.csv"); the password of PASS is masked. A CWD without
a folder name is refused.
"""

import argparse
import logging
import sys
import threading
import time

from pyftpdlib.authorizers import AuthenticationFailed, DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


class Abweisend(DummyAuthorizer):
    def validate_authentication(self, username, password, handler):
        raise AuthenticationFailed("Authentication failed.")


def handler_klasse(a, protokoll):
    class Handler(FTPHandler):
        auth_failed_timeout = 0.05

        def pre_process_command(self, line, cmd, arg):
            protokoll.write((cmd + " ****" if cmd == "PASS" else line) + "\n")
            protokoll.flush()
            if cmd == "CWD" and not arg:
                # As most servers do; pyftpdlib would change to the home folder.
                return self.respond("501 Syntax error: command needs an argument.")
            if a.verzoegerung <= 0:
                return FTPHandler.pre_process_command(self, line, cmd, arg)

            def spaeter():
                if not self._closed:
                    FTPHandler.pre_process_command(self, line, cmd, arg)
            self.ioloop.call_later(a.verzoegerung, spaeter, _errback=self.handle_error)

        def ftp_PORT(self, line):
            if a.nur_passiv:
                return self.respond("502 Active mode not allowed.")
            return FTPHandler.ftp_PORT(self, line)

        def ftp_EPRT(self, line):
            if a.nur_passiv:
                return self.respond("502 Active mode not allowed.")
            return FTPHandler.ftp_EPRT(self, line)

    return Handler


def main():
    p = argparse.ArgumentParser()
    p.add_argument("wurzel", help="root folder of the user")
    p.add_argument("protokoll", help="log file of the commands received")
    p.add_argument("--kennung", default="kegler")
    p.add_argument("--passwort", default="geheim")
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--zeitlimit", type=float, default=300.0)
    p.add_argument("--verzoegerung", type=float, default=0.0, help="seconds before each command is handled")
    p.add_argument("--ablehnen", action="store_true", help="refuse every login")
    p.add_argument("--nur-passiv", action="store_true", help="refuse PORT and EPRT")
    p.add_argument("--drossel", type=int, default=0, help="bytes per second on data connections")
    a = p.parse_args()

    logging.basicConfig(level=logging.ERROR)
    autorisierer = Abweisend() if a.ablehnen else DummyAuthorizer()
    autorisierer.add_user(a.kennung, a.passwort, a.wurzel, perm="elradfmwMT")

    protokoll = open(a.protokoll, "a", encoding="utf-8", errors="replace")
    handler = handler_klasse(a, protokoll)
    handler.authorizer = autorisierer
    handler.permit_foreign_addresses = False
    if a.drossel > 0:
        class Gedrosselt(ThrottledDTPHandler):
            read_limit = a.drossel
            write_limit = a.drossel
        handler.dtp_handler = Gedrosselt

    server = FTPServer(("127.0.0.1", a.port), handler)
    print(server.socket.getsockname()[1], flush=True)

    ende = threading.Event()

    def stdin_beobachten():
        while sys.stdin.buffer.read1(1024):
            pass
        ende.set()

    threading.Thread(target=stdin_beobachten, daemon=True).start()
    frist = time.monotonic() + a.zeitlimit
    while not ende.is_set() and time.monotonic() < frist:
        server.serve_forever(timeout=0.05, blocking=False, handle_exit=False)
    server.close_all()
    protokoll.close()


if __name__ == "__main__":
    main()
