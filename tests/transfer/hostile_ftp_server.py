# SPDX-License-Identifier: GPL-3.0-or-later
"""A hostile or failing FTP server for the transfer tests: pyftpdlib on
127.0.0.1 at a free port, told by --mode how to misbehave.

Takes the options of ftp_test_server.py that the tests' launcher passes
(--root, --user, --password, --log; others are ignored), prints the port and
serves until its standard input closes. The mode comes from the environment
variable HOSTILE_FTP_MODE, since the launcher's options are fixed:

  names        MLSD lists the real files and "../x", "/etc/passwd", "a/b",
               "..", and names holding CR, LF and NUL
  long-line    MLSD sends one line of 10 MB, a name without a line end
  million      MLSD lists 1,000,000 files
  stall        a download sends 64 KB, then nothing, keeping the connection
  drop         a download sends 64 KB, then the server process ends
  refuse       RETR is answered 550, STOR 452 (disk full)
  foreign-pasv EPSV is unknown and PASV names 10.255.255.1 as the address
"""

import argparse
import logging
import os
import socket
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

MODE = os.environ.get("HOSTILE_FTP_MODE", "")
CUT_AFTER = 65536


def hostile_names():
    for name in (b"../x", b"/etc/passwd", b"a/b", b"..", b"cr\rname", b"lf\nname", b"nul\0name"):
        yield b"type=file;size=7; " + name + b"\r\n"
    yield b"type=dir; ..\r\n"


def long_line():
    yield b"type=file;size=1; " + b"n" * (10 * 1024 * 1024)


def million():
    chunk = []
    for i in range(1000000):
        chunk.append(b"type=file;size=1; f%07d.txt\r\n" % i)
        if len(chunk) == 10000:
            yield b"".join(chunk)
            chunk = []


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--log", required=True)
    args, _ = parser.parse_known_args()
    logging.basicConfig(level=logging.WARNING)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    class Handler(FTPHandler):
        auth_failed_timeout = 0

        def ftp_MLSD(self, path):
            if MODE in ("names", "long-line", "million"):
                extra = {"names": hostile_names, "long-line": long_line, "million": million}[MODE]
                if MODE == "names":
                    real = os.listdir(path)  # already a local path here
                    # The real files first, then the lies.
                    lines = [b"type=file;size=1; " + name.encode() + b"\r\n" for name in real]
                    producer = iter(lines + list(extra()))
                else:
                    producer = extra()
                self.push_dtp_data(Producer(producer), isproducer=True, cmd="MLSD")
                return path
            return super().ftp_MLSD(path)

        def ftp_RETR(self, file):
            if MODE == "refuse":
                self.respond("550 Permission denied.")
                return
            return super().ftp_RETR(file)

        def ftp_STOR(self, file, mode="w"):
            if MODE == "refuse":
                self.respond("452 Insufficient storage space.")
                return
            return super().ftp_STOR(file, mode)

        def ftp_PASV(self, line):
            if MODE != "foreign-pasv":
                return super().ftp_PASV(line)
            # Open the passive listener as usual, then claim another address.
            replies = []
            respond = self.respond
            self.respond = replies.append
            try:
                super().ftp_PASV(line)
            finally:
                self.respond = respond
            for reply in replies:
                if reply.startswith("227"):
                    numbers = reply[reply.index("(") + 1:reply.index(")")].split(",")
                    reply = "227 Entering passive mode (10,255,255,1,%s,%s)." % (numbers[4], numbers[5])
                self.respond(reply)

    class Producer:
        def __init__(self, chunks):
            self.chunks = chunks

        def more(self):
            return next(self.chunks, b"")

    class Cutting(ThrottledDTPHandler):
        sent = 0

        def send(self, data):
            room = CUT_AFTER - self.sent
            if room <= 0:
                if MODE == "drop":
                    os._exit(0)
                self.del_channel()  # stall: the connection stays open, silent
                return 0
            count = super().send(data[:room])
            self.sent += count
            return count

    Handler.authorizer = authorizer
    if MODE in ("stall", "drop"):
        Handler.dtp_handler = Cutting
    if MODE == "foreign-pasv":
        Handler.proto_cmds = {k: v for k, v in FTPHandler.proto_cmds.items() if k != "EPSV"}

    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)

    def exit_when_parent_goes():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=exit_when_parent_goes, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
