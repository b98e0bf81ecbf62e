#!/usr/bin/env python3
"""A throw-away SMTP server on loopback for the mail tests (aiosmtpd).

Prints "PORT <n>" once it listens, then serves until its standard input
closes. Every message taken is written to OUT/mail-<n>.eml (the data as
received, dot-stuffing undone) with OUT/mail-<n>.env holding the envelope
("from", then one "to" per line). A recipient whose local part is "refuse" is
refused with 550.

  smtp_server.py OUT [--cert CERT --key KEY] [--tls] [--user U --password P]

With a certificate the server offers STARTTLS and requires it (or, with
--tls, speaks TLS from the start); with a user it requires AUTH (PLAIN or
LOGIN), and only over TLS.
"""
import argparse
import asyncio
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult


class Handler:
    def __init__(self, out):
        self.out = out
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.split("@")[0] == "refuse":
            return "550 5.1.1 <%s>: Recipient address rejected" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.out, "mail-%d" % self.count)
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".env", "w") as f:
            f.write("\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
        return "250 Message accepted for delivery"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("out")
    ap.add_argument("--cert")
    ap.add_argument("--key")
    ap.add_argument("--tls", action="store_true")
    ap.add_argument("--user")
    ap.add_argument("--password")
    a = ap.parse_args()

    ctx = None
    if a.cert:
        ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        ctx.load_cert_chain(a.cert, a.key)

    def authenticate(server, session, envelope, mechanism, data):
        ok = a.user is not None and data.login == a.user.encode() and data.password == a.password.encode()
        return AuthResult(success=ok, handled=False)

    handler = Handler(a.out)

    def factory():
        kw = dict(hostname="mail.test", decode_data=False)
        if ctx is not None and not a.tls:
            kw.update(tls_context=ctx, require_starttls=True)
        if a.user:
            kw.update(authenticator=authenticate, auth_required=True, auth_require_tls=not a.tls)
        return SMTP(handler, **kw)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    srv = loop.run_until_complete(
        loop.create_server(factory, "127.0.0.1", 0, ssl=ctx if a.tls else None))
    print("PORT %d" % srv.sockets[0].getsockname()[1], flush=True)

    done = loop.create_future()
    loop.add_reader(sys.stdin.fileno(), lambda: done.done() or (not sys.stdin.buffer.read1(4096) and done.set_result(None)))
    loop.run_until_complete(done)
    srv.close()


if __name__ == "__main__":
    main()
