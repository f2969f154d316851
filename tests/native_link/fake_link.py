#!/usr/bin/env python3
"""fake_link.py <build-dir> <program.exe>: plays the native link for a Windows program under Wine on the
build's virtual display: starts it with two pipes as its standard input and output, as kestrelle-link does,
and answers its type requests as the play of that run says, and its list requests with the clients of the
next play. The program runs twice, as a link once given up
stays given up: first its tests of a stop answered and of a link breaking off, then its test of a link that
answers a stop late. Whatever else the program writes (its test report) is passed on. Exits with the
first failing run's exit code."""
import os
import subprocess
import sys
import threading
import time

build_dir, program = sys.argv[1], sys.argv[2]
with open(os.path.join(build_dir, "display", "name")) as name:
    display = name.read().strip()
env = dict(os.environ, DISPLAY=display, WINEPREFIX=os.path.join(build_dir, "wineprefix"), WINEARCH="win64",
           WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", KESTRELLE_NATIVE_LINK="1")


def hexof(text):
    return text.encode().hex()


def reply(replies, *lines):
    for line in lines:
        replies.write(line + "\n")
    replies.flush()


def wait_for_stop(requests):
    for request in requests:
        if request.strip() == "stop":
            return


# Two clients: the first stopped in its first line, told late seconds after the stop; the second left untold.
def stop_answered(requests, replies, late=0):
    reply(replies, "clients 2", "line 1 1 1 " + hexof("ClassicUO - 1"))
    wait_for_stop(requests)
    time.sleep(late)
    reply(replies, "client stopped 1 0 1 0 " + hexof("ClassicUO - 1"), "done")


# Four clients: one typed (its title beyond ASCII), one not answering, and the link breaks off in the
# third's first line.
def breaks_off(requests, replies):
    reply(replies, "notice " + hexof("ClassicUO runs elsewhere"), "clients 4",
          "client typed 1 1 0 0 " + hexof("ClassicUO - Zo\u00eb"), "client not-answering 2 1 1 0 " + hexof("ClassicUO - 2"),
          "line 3 1 2 " + hexof("ClassicUO - 3"))
    replies.close()


def typed(requests, replies):
    reply(replies, "clients 1", "client typed 1 1 0 0 " + hexof("ClassicUO - 1"), "done")


def run(test_filter, plays):
    to_program_read, to_program_write = os.pipe()
    from_program_read, from_program_write = os.pipe()
    child = subprocess.Popen(["wine", program, "--gtest_filter=" + test_filter], stdin=to_program_read,
                             stdout=from_program_write, env=env)
    os.close(to_program_read)
    os.close(from_program_write)
    replies = os.fdopen(to_program_write, "w")
    requests = os.fdopen(from_program_read, "r", errors="replace")

    def answer():
        for line in requests:
            line = line.rstrip("\r\n")
            if line == "list":
                reply(replies, "clients %d" % plays[0][0] if plays else "clients 0", "done")
            elif line.startswith("type ") and plays:
                plays.pop(0)[1](requests, replies)
            elif not line.startswith(("type ", "stop")):
                print(line, flush=True)

    reader = threading.Thread(target=answer, daemon=True)
    reader.start()
    code = child.wait()
    reader.join(timeout=5)
    return code


# Each play with the clients that a list request before it counts.
late = (2, lambda requests, replies: stop_answered(requests, replies, late=2))
codes = [run("-*Late*", [(2, stop_answered), (4, breaks_off)]), run("*Late*", [late, (1, typed)])]
sys.exit(next((code for code in codes if code != 0), 0))
