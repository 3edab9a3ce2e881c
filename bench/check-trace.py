#!/usr/bin/env python3
"""Runs kx-bench-app --trace on one session in private folders and checks the Chrome trace it
writes: valid JSON, named tracks, the window's and the mouse queue's, a request there with pauses
inside it, and the session's steps. Times are not judged.

Usage: check-trace.py KX_BENCH_APP"""
import json
import os
import subprocess
import sys
import tempfile


def fail(why):
    print("check-trace: " + why, file=sys.stderr)
    sys.exit(1)


def main():
    if len(sys.argv) != 2:
        fail("usage: check-trace.py KX_BENCH_APP")
    with tempfile.TemporaryDirectory() as tmp:
        env = dict(os.environ)
        for variable, name in [("HOME", "home"), ("XDG_CONFIG_HOME", "config"),
                               ("XDG_DATA_HOME", "data"), ("XDG_STATE_HOME", "state"),
                               ("XDG_CACHE_HOME", "cache"), ("XDG_RUNTIME_DIR", "runtime")]:
            os.makedirs(os.path.join(tmp, name), mode=0o700)
            env[variable] = os.path.join(tmp, name)
        env["QT_QPA_PLATFORM"] = "offscreen"
        path = os.path.join(tmp, "session.json")
        run = subprocess.run([sys.argv[1], "--trace", path], env=env, capture_output=True,
                             text=True, timeout=240)
        if run.returncode != 0:
            fail("kx-bench-app failed (%d):\n%s" % (run.returncode, run.stderr))
        if "app_max_stall_ms:" not in run.stdout:
            fail("no app_max_stall_ms line in:\n" + run.stdout)
        with open(path) as f:
            trace = json.load(f)

    events = trace.get("traceEvents")
    if not isinstance(events, list) or not events:
        fail("no traceEvents")
    tracks = {e["tid"]: e["args"]["name"] for e in events
              if e.get("ph") == "M" and e.get("name") == "thread_name"}
    by_name = {name: tid for tid, name in tracks.items()}
    for name in ("window", "mouse queue", "session"):
        if name not in by_name:
            fail("no track named %r among %r" % (name, sorted(by_name)))
    spans = [e for e in events if e.get("ph") == "X"]
    for e in spans:
        for key in ("name", "pid", "tid", "ts", "dur"):
            if key not in e:
                fail("a complete event without %r: %r" % (key, e))
        if e["dur"] < 0 or e["tid"] not in tracks:
            fail("a complete event out of place: %r" % e)

    queue = [e for e in spans if e["tid"] == by_name["mouse queue"]]
    requests = [e for e in queue if e["name"] != "pause"]
    pauses = [e for e in queue if e["name"] == "pause"]
    if not requests or not pauses:
        fail("the mouse queue's track has %d requests and %d pauses" % (len(requests),
                                                                        len(pauses)))

    def inside(pause, request):
        return (request["ts"] <= pause["ts"] and
                pause["ts"] + pause["dur"] <= request["ts"] + request["dur"] + 1)

    if not any(inside(p, r) for r in requests for p in pauses):
        fail("no pause lies inside a request")
    stray = [p for p in pauses if not any(inside(p, r) for r in requests)]
    if stray:
        fail("%d pauses outside every request, the first %r" % (len(stray), stray[0]))

    steps = {e["name"] for e in spans if e["tid"] == by_name["session"]}
    for step in ("start-up", "performance OK", "Apply"):
        if step not in steps:
            fail("no session step %r among %r" % (step, sorted(steps)))
    print("check-trace: %d requests, %d pauses, %d window spans, %d steps" % (
        len(requests), len(pauses),
        sum(1 for e in spans if e["tid"] == by_name["window"]), len(steps)))


main()
