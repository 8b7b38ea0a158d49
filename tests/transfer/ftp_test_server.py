# SPDX-License-Identifier: GPL-3.0-or-later
"""FTP server for the transfer tests: pyftpdlib on 127.0.0.1 at a free port.

Prints the chosen port on stdout, then serves until killed or until its
standard input closes (so a crashed test leaves no server behind). With
--stall-after it prints "stalled" once a download has stopped sending.
Appends "connect" and "quit" lines to the event log, so a test can count
control connections; with --log-transfers also "size NAME", "retr NAME" and
"stor NAME" as the client sent them (libcurl asks SIZE before every RETR). With --extra-listing, a folder that holds a file
named .extra-listing sends that file's lines in its MLSD listing as well,
in place of the file itself: names no file system can hold. With
--exit-at-retr N the server ends at once when the Nth RETR arrives, as a
server that goes away in the middle of a batch. With --pause-after N a data
connection stops for 0.3 s once N bytes have moved on it, either way. With
--mlsd-links MLSD names a link "type=OS.unix=slink:TARGET" without following
it, dangling ones included, as ProFTPD and Pure-FTPd do; with --resolve-links
CWD resolves links, so PWD names the folder a link leads to, as vsftpd does.
A file without read permission cannot be fetched, as on a server that does
not run as root (the tests do).
With --tls offered|required|implicit and --cert (key and certificate in one
PEM file, made self-signed for 127.0.0.1 when it does not exist yet) the
server speaks TLS: AUTH TLS offered, demanded before USER, or from the first
byte. With --log-logins it logs "auth" and "user" lines in the order they came.
"""

import argparse
import logging
import os
import socket
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer
try:
    from OpenSSL import SSL
except ImportError:  # only --tls needs it
    SSL = None


def make_certificate(path):
    from OpenSSL import crypto
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.get_subject().O = "Quillmere tests"
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.gmtime_adj_notBefore(0)
    cert.gmtime_adj_notAfter(30 * 24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.sign(key, "sha256")
    with open(path, "wb") as out:
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--no-mlsd", action="store_true", help="answer MLSD with 500, as older servers do")
    parser.add_argument("--stall-after", type=int, default=0,
                        help="send this many bytes of a download, then nothing more")
    parser.add_argument("--log-transfers", action="store_true", help="log each SIZE, RETR and STOR")
    parser.add_argument("--extra-listing", action="store_true",
                        help="add the lines of a folder's .extra-listing to its MLSD listing")
    parser.add_argument("--exit-at-retr", type=int, default=0,
                        help="end the server when this RETR (counted from 1) arrives")
    parser.add_argument("--pause-after", type=int, default=0,
                        help="stop a data connection for 0.3 s once this many bytes have moved on it")
    parser.add_argument("--mlsd-links", action="store_true",
                        help="MLSD tells links as OS.unix=slink without following them")
    parser.add_argument("--resolve-links", action="store_true", help="CWD resolves links, so PWD does")
    parser.add_argument("--log-logins", action="store_true", help="log each AUTH and USER")
    parser.add_argument("--tls", choices=["offered", "required", "implicit"])
    parser.add_argument("--cert", help="the server's key and certificate, PEM")
    args = parser.parse_args()
    retrs = [0]

    logging.basicConfig(level=logging.WARNING)
    events = open(args.log, "a", buffering=1)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    class Handler(TLS_FTPHandler if args.tls else FTPHandler):
        # Logged before the greeting and before the 221 reply, so a client
        # that has its answer can rely on the line being there.
        def on_connect(self):
            events.write("connect\n")

        # Over TLS the 226 can come before the last bytes are written; a
        # test that reads an upload awaits this line instead.
        def on_file_received(self, file):
            if args.tls:
                print("received " + os.path.basename(file), flush=True)

        def handle(self):
            if args.tls == "implicit":
                self.secure_connection(self.ssl_context)
            super().handle()

        def ftp_QUIT(self, line):
            events.write("quit\n")
            return super().ftp_QUIT(line)

        def pre_process_command(self, line, cmd, arg):
            if args.log_transfers and cmd in ("SIZE", "RETR", "STOR"):
                events.write("%s %s\n" % (cmd.lower(), arg))
            if args.log_logins and cmd in ("AUTH", "USER"):
                events.write("%s\n" % cmd.lower())
            if cmd == "RETR":
                retrs[0] += 1
                if retrs[0] == args.exit_at_retr:
                    os._exit(0)
            return super().pre_process_command(line, cmd, arg)

    class ReadModesFS(AbstractedFS):
        def open(self, filename, mode):
            if "r" in mode and os.path.isfile(filename) and not os.stat(filename).st_mode & 0o444:
                raise PermissionError(13, "Permission denied", filename)
            return super().open(filename, mode)

    class ExtraListingFS(ReadModesFS):
        def format_mlsx(self, basedir, listing, perms, facts, ignore_err=True):
            extra = os.path.join(basedir, ".extra-listing")
            listing = [name for name in listing if name != ".extra-listing"]
            yield from super().format_mlsx(basedir, listing, perms, facts, ignore_err)
            if os.path.isfile(extra):
                with open(extra, "rb") as lines:
                    for line in lines.read().split(b"\n"):
                        if line:
                            yield line + b"\r\n"

    class LinkFactsFS(ReadModesFS):
        def format_mlsx(self, basedir, listing, perms, facts, ignore_err=True):
            links = [name for name in listing if os.path.islink(os.path.join(basedir, name))]
            plain = [name for name in listing if name not in links]
            yield from super().format_mlsx(basedir, plain, perms, facts, ignore_err)
            for name in links:
                target = os.readlink(os.path.join(basedir, name))
                yield ("type=OS.unix=slink:%s;perm=r; %s\r\n" % (target, name)).encode("utf8", "surrogateescape")

    class ResolvingFS(ReadModesFS):
        def chdir(self, path):
            super().chdir(os.path.realpath(path))

    filesystems = []
    if args.tls:
        if not os.path.exists(args.cert):
            make_certificate(args.cert)
        Handler.certfile = args.cert
        Handler.tls_control_required = args.tls == "required"
        Handler.tls_data_required = args.tls == "required"
        # TLS 1.3 sends session tickets after the handshake; a client that
        # ends an upload without reading them resets the data connection,
        # and Linux then drops what pyftpdlib had not read yet, which it takes
        # for a whole file. TLS 1.2 keeps the tests about the client.
        Handler.ssl_options |= SSL.OP_NO_TLSv1_3

        class HandshakingDTP(TLS_DTPHandler):
            # A client may start the data connection's handshake before it
            # sends the transfer command; pyftpdlib would take those early
            # bytes for a hang-up.
            def readable(self):
                return True if self._ssl_accepting else super().readable()

            # At the client's close, OpenSSL may still hold decrypted bytes
            # of an upload that pyftpdlib would drop with the connection.
            def handle_close(self):
                for _ in range(1000):
                    if not (self.receive and isinstance(self.socket, SSL.Connection) and self.socket.pending()):
                        break
                    self.handle_read()
                super().handle_close()
        Handler.dtp_handler = HandshakingDTP
    if args.extra_listing:
        filesystems.append(ExtraListingFS)
    if args.mlsd_links:
        filesystems.append(LinkFactsFS)
    if args.resolve_links:
        filesystems.append(ResolvingFS)
    Handler.authorizer = authorizer
    Handler.abstracted_fs = type("TestFS", tuple(filesystems), {}) if filesystems else ReadModesFS
    Handler.auth_failed_timeout = 0
    if args.no_mlsd:
        Handler.proto_cmds = {k: v for k, v in Handler.proto_cmds.items() if k != "MLSD"}

    if args.pause_after:
        # The throttled handler, without limits, only so that every byte passes send() or recv().
        class Pausing(ThrottledDTPHandler):
            moved = 0
            paused = False

            def __init__(self, sock, cmd_channel):
                # A small receive buffer, so a paused upload holds the client back.
                sock.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 65536)
                super().__init__(sock, cmd_channel)

            def _count(self, count):
                self.moved += count
                if self.paused or self.moved < args.pause_after:
                    return
                self.paused = True
                self.del_channel()
                event = self.ioloop.READ if self.receive else self.ioloop.WRITE
                self.ioloop.call_later(0.3, lambda: self.add_channel(events=event))

            def send(self, data):
                count = super().send(data)
                self._count(count)
                return count

            def recv(self, buffer_size):
                chunk = super().recv(buffer_size)
                self._count(len(chunk))
                return chunk
        Handler.dtp_handler = Pausing

    if args.stall_after:
        # The throttled handler never uses sendfile(), so every byte passes send().
        class Stalling(ThrottledDTPHandler):
            sent = 0

            def send(self, data):
                room = args.stall_after - self.sent
                if room <= 0:
                    self.del_channel()  # keeps the data connection open, silent
                    print("stalled", flush=True)
                    return 0
                count = super().send(data[:room])
                self.sent += count
                return count
        Handler.dtp_handler = Stalling

    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)

    def exit_when_parent_goes():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=exit_when_parent_goes, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
