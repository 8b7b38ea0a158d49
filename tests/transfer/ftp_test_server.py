"""FTP server for the transfer tests: pyftpdlib on 127.0.0.1 at a free port.

Prints the chosen port on stdout, then serves until killed or until its
standard input closes (so a crashed test leaves no server behind). With
--stall-after it prints "stalled" once a download has stopped sending.
Appends "connect" and "quit" lines to the event log, so a test can count
control connections.
"""

import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--no-mlsd", action="store_true", help="answer MLSD with 500, as older servers do")
    parser.add_argument("--stall-after", type=int, default=0,
                        help="send this many bytes of a download, then nothing more")
    args = parser.parse_args()

    logging.basicConfig(level=logging.WARNING)
    events = open(args.log, "a", buffering=1)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    class Handler(FTPHandler):
        # Logged before the greeting and before the 221 reply, so a client
        # that has its answer can rely on the line being there.
        def on_connect(self):
            events.write("connect\n")

        def ftp_QUIT(self, line):
            events.write("quit\n")
            return super().ftp_QUIT(line)

    Handler.authorizer = authorizer
    Handler.auth_failed_timeout = 0
    if args.no_mlsd:
        Handler.proto_cmds = {k: v for k, v in FTPHandler.proto_cmds.items() if k != "MLSD"}

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
