#!/usr/bin/env python3
"""fake_link.py <build-dir> <program.exe>: plays the native link for a Windows program under Wine on the
build's virtual display: starts it with two pipes as its standard input and output, as kestrelle-link does,
and answers its first type request with two clients and a wait for the stop (then the first stopped in its
first line, the second left untold), its second with four clients, one typed, one not answering, and breaks
off in the third's first line. Whatever else the program writes
(its test report) is passed on. Exits with the program's exit code."""
import os
import subprocess
import sys
import threading

build_dir, program = sys.argv[1], sys.argv[2]
with open(os.path.join(build_dir, "display", "name")) as name:
    display = name.read().strip()
env = dict(os.environ, DISPLAY=display, WINEPREFIX=os.path.join(build_dir, "wineprefix"), WINEARCH="win64",
           WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", KESTRELLE_NATIVE_LINK="1")
to_program_read, to_program_write = os.pipe()
from_program_read, from_program_write = os.pipe()
child = subprocess.Popen(["wine", program], stdin=to_program_read, stdout=from_program_write, env=env)
os.close(to_program_read)
os.close(from_program_write)
replies = os.fdopen(to_program_write, "w")
requests = os.fdopen(from_program_read, "r", errors="replace")


def reply(*lines):
    for line in lines:
        replies.write(line + "\n")
    replies.flush()


def hexof(text):
    return text.encode().hex()


def answer():
    typed = 0
    for line in requests:
        line = line.rstrip("\r\n")
        if line.startswith("type "):
            typed += 1
            if typed == 1:
                reply("clients 2", "line 1 1 1 " + hexof("ClassicUO - 1"))
                for request in requests:
                    if request.strip() == "stop":
                        break
                reply("client stopped 1 0 1 " + hexof("ClassicUO - 1"), "done")
            else:
                reply("notice " + hexof("ClassicUO runs elsewhere"), "clients 4",
                      "client typed 1 1 0 " + hexof("ClassicUO - 1"), "client not-answering 2 1 1 " + hexof("ClassicUO - 2"),
                      "line 3 1 2 " + hexof("ClassicUO - 3"))
                replies.close()
        else:
            print(line, flush=True)


reader = threading.Thread(target=answer, daemon=True)
reader.start()
code = child.wait()
reader.join(timeout=5)
sys.exit(code)
