#!/usr/bin/python3
"""An SMTP sink for the mail tests.

Listens on 127.0.0.1 and writes each received message into the given folder:
<n>.eml as received, and <n>.json with the envelope, the login and what
Python's email package decodes (sender, recipients, subject, body text,
attachments with their bytes in base64). Prints the port it listens on as
the first line on stdout. Ends when stdin closes or after the time-out.

    smtp_senke.py ORDNER [--port N] [--zeitlimit S] [--auth NAME] [--verzoegerung S]
                         [--tls PEM] [--quit-stumm] [--antwort BEFEHL=ZEILE]

--auth NAME offers AUTH (without TLS) and accepts only the login NAME, with
any password. --verzoegerung S holds the reply to the message for S seconds.
--tls PEM offers STARTTLS with the certificate and key of the PEM file; the
<n>.json says whether the message came under TLS ("tls"). befehle.log in
ORDNER lists the commands EHLO, STARTTLS, AUTH, MAIL, RCPT and DATA as
received, each with "tls" or "klar". --quit-stumm logs QUIT too and never
answers it, as a server that hangs after it took the message. --antwort
MAIL=ZEILE (or RCPT, DATA) answers that command with ZEILE instead, or
closes the connection when ZEILE is empty; TEXT=ZEILE does so with the
message text, logged as "TEXT".
"""

import argparse
import asyncio
import base64
import email
import email.policy
import json
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult


class Senke:
    def __init__(self, ordner, verzoegerung):
        self.ordner = ordner
        self.verzoegerung = verzoegerung
        self.anzahl = 0

    async def handle_DATA(self, server, session, envelope):
        if server.antwort[0] == "TEXT" and await server.eigene_antwort("TEXT"):
            return server.antwort[1] or "421 nie gesendet"
        if self.verzoegerung > 0:
            await asyncio.sleep(self.verzoegerung)
        self.anzahl += 1
        basis = os.path.join(self.ordner, str(self.anzahl))
        with open(basis + ".eml", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        nachricht = email.message_from_bytes(envelope.original_content or envelope.content,
                                             policy=email.policy.default)
        text = nachricht.get_body(preferencelist=("plain",))
        anhaenge = [{"name": teil.get_filename(),
                     "typ": teil.get_content_type(),
                     "daten": base64.b64encode(teil.get_payload(decode=True)).decode("ascii")}
                    for teil in nachricht.iter_attachments()]
        login = session.auth_data.decode("utf-8") if session.authenticated else None
        zusammenfassung = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "login": login,
            "from_name": nachricht["From"].addresses[0].display_name,
            "from_addr": nachricht["From"].addresses[0].addr_spec,
            "to": str(nachricht["To"]),
            "subject": str(nachricht["Subject"]),
            "date": str(nachricht["Date"]),
            "message_id": str(nachricht["Message-ID"]),
            "text": text.get_content().replace("\r\n", "\n") if text is not None else None,
            "anhaenge": anhaenge,
            "tls": session.ssl is not None,
        }
        with open(basis + ".json.tmp", "w", encoding="utf-8") as f:
            json.dump(zusammenfassung, f, ensure_ascii=False)
        os.replace(basis + ".json.tmp", basis + ".json")
        return "250 OK"


def pruefer(name):
    def pruefen(server, session, envelope, mechanism, auth_data):
        login = getattr(auth_data, "login", None)
        if login is not None and login.decode("utf-8", "replace") == name:
            return AuthResult(success=True, auth_data=login)
        return AuthResult(success=False, handled=False)
    return pruefen


class ProtokollSMTP(SMTP):
    """Writes each command of the dialogue into befehle.log before it is handled."""

    def __init__(self, *args, protokoll, quit_stumm=False, antwort=None, **kwargs):
        super().__init__(*args, **kwargs)
        self.protokoll = protokoll
        self.quit_stumm = quit_stumm
        self.antwort = antwort.split("=", 1) if antwort else [None, None]

    def merken(self, befehl):
        with open(self.protokoll, "a", encoding="utf-8") as f:
            f.write(f"{befehl} {'tls' if self._tls_protocol else 'klar'}\n")

    async def eigene_antwort(self, befehl):
        self.merken(befehl)
        if self.antwort[0] == befehl and self.antwort[1]:
            if befehl != "TEXT":
                await self.push(self.antwort[1])
        elif self.antwort[0] == befehl:
            self.transport.close()
        return self.antwort[0] == befehl

    async def smtp_EHLO(self, arg):
        self.merken("EHLO")
        await super().smtp_EHLO(arg)

    async def smtp_STARTTLS(self, arg):
        self.merken("STARTTLS")
        await super().smtp_STARTTLS(arg)

    async def smtp_AUTH(self, arg):
        self.merken("AUTH")
        await super().smtp_AUTH(arg)

    async def smtp_MAIL(self, arg):
        if not await self.eigene_antwort("MAIL"):
            await super().smtp_MAIL(arg)

    async def smtp_RCPT(self, arg):
        if not await self.eigene_antwort("RCPT"):
            await super().smtp_RCPT(arg)

    async def smtp_DATA(self, arg):
        if not await self.eigene_antwort("DATA"):
            await super().smtp_DATA(arg)

    async def smtp_QUIT(self, arg):
        if not self.quit_stumm:
            await super().smtp_QUIT(arg)
            return
        self.merken("QUIT")


async def main():
    p = argparse.ArgumentParser()
    p.add_argument("ordner")
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--zeitlimit", type=float, default=60.0)
    p.add_argument("--auth")
    p.add_argument("--verzoegerung", type=float, default=0.0)
    p.add_argument("--tls")
    p.add_argument("--quit-stumm", action="store_true")
    p.add_argument("--antwort")
    a = p.parse_args()

    senke = Senke(a.ordner, a.verzoegerung)
    loop = asyncio.get_running_loop()

    def neu():
        anmeldung = {"auth_require_tls": False, "authenticator": pruefer(a.auth)} if a.auth else {}
        if a.tls:
            kontext = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            kontext.load_cert_chain(a.tls)
            anmeldung["tls_context"] = kontext
        return ProtokollSMTP(senke, hostname="senke.test", protokoll=os.path.join(a.ordner, "befehle.log"),
                             quit_stumm=a.quit_stumm, antwort=a.antwort, **anmeldung)

    server = await loop.create_server(neu, "127.0.0.1", a.port)
    print(server.sockets[0].getsockname()[1], flush=True)

    ende = loop.create_future()
    leser = asyncio.StreamReader()
    await loop.connect_read_pipe(lambda: asyncio.StreamReaderProtocol(leser), sys.stdin)

    async def stdin_beobachten():
        while await leser.read(1024):
            pass
        if not ende.done():
            ende.set_result(None)

    beobachter = asyncio.create_task(stdin_beobachten())
    try:
        await asyncio.wait_for(ende, a.zeitlimit)
    except asyncio.TimeoutError:
        pass
    beobachter.cancel()
    server.close()


if __name__ == "__main__":
    asyncio.run(main())
