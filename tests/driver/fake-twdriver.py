#!/usr/bin/env python3
# Stands in for "wine64 twdriver.exe" in serve-client-test.sh: the same answers one-shot and
# served, logging which way each process ran.
import os, sys, time

log = os.environ["FAKE_LOG"]


def note(what):
    with open(log, "a") as f:
        f.write(what + "\n")


def run(args):
    """(stdout, stderr, status) of one command line."""
    cmd = args[0] if args else ""
    if cmd == "echo":
        return "".join("[%s]\n" % a for a in args[1:]), "twdriver: %d arguments\n" % (len(args) - 1), 0
    if cmd == "status":
        return "", "twdriver: status %s\n" % args[1], int(args[1])
    if cmd == "big":
        return ("0 0 0\n" + "x" * 99 + "\n") * 1000, "", 0
    if cmd == "sleep":
        time.sleep(float(args[1]))
        return "slept\n", "", 0
    if cmd in ("die", "hang"):
        if os.environ.get("FAKE_SERVING"):
            if cmd == "die":
                os._exit(70)
            time.sleep(3600)
        return "alone\n", "", 0
    return "", "twdriver: unknown command %s\n" % cmd, 2


args = sys.argv[2:]  # after twdriver.exe
if args == ["--serve"]:
    fails = os.environ["FAKE_FAIL_STARTS"]
    left = int(open(fails).read()) if os.path.exists(fails) else 0
    if left > 0:
        open(fails, "w").write(str(left - 1))
        sys.stderr.write("err: failed to map the shared user data\n")
        sys.exit(1)
    note("serve")
    os.environ["FAKE_SERVING"] = "1"
    out = sys.stdout.buffer
    out.write(b"twdriver serving\n")
    out.flush()
    for line in sys.stdin.buffer:
        line = line.rstrip(b"\n").decode()
        if line == "quit":
            note("quit")
            break
        o, e, st = run(line.split("\x1f")[1:] if line else [])
        o, e = o.encode(), e.encode()
        out.write(b"%d %d %d\n" % (st, len(o), len(e)) + o + e)
        out.flush()
else:
    note("oneshot")
    o, e, st = run(args)
    sys.stdout.write(o)
    sys.stderr.write(e)
    sys.exit(st)
