#!/usr/bin/env python3
"""Runs restwarden-report against generated data folders.  usage: test_report.py PATH_TO_restwarden-report"""
import json, os, pathlib, struct, subprocess, sys, tempfile, time

TOOL = sys.argv[1]
os.environ["TZ"] = "Europe/Berlin"
time.tzset()
W, WO, R, RO, STOP = 1, 2, 3, 4, 5
HEADER = "date,working,workOver,resting,restOver,stopped,noData"
JUNE1, JUNE3, JUNE5 = "2024-06-01,100,10,20,10,0,1300", "2024-06-03,50,0,10,0,30,1350", "2024-06-05,0,0,0,0,0,1440"


def local(y, mo, d, h=0, mi=0):
    return int(time.mktime((y, mo, d, h, mi, 0, 0, 0, -1)))


def record(start, stretches, summarized=True):
    """A day record; its summary fields hold the runs of its minutes, or stale zeros."""
    minutes = [0] * 1440
    for first, last, code in stretches:
        minutes[first:last + 1] = [code] * (last + 1 - first)
    total, runs = [0] * 6, [0] * 6
    for i, code in enumerate(minutes):
        total[code] += 1
        runs[code] += i == 0 or minutes[i - 1] != code
    mean = [min(255, total[c] // runs[c]) if runs[c] and summarized else 0 for c in range(6)]
    return bytes(minutes) + bytes(mean) + bytes(r % 256 if summarized else 0 for r in runs) + struct.pack("<I", start)


# 1 June: two sets of 50 work, 5 overrun, 10 rest, 5 overrun from 08:00; 3 June: today.
DAY1 = record(local(2024, 6, 1, 7, 30), [(480 + o + a, 480 + o + b, code) for o in (0, 70)
                                         for a, b, code in ((0, 49, W), (50, 54, WO), (55, 64, R), (65, 69, RO))])
DAY3, DAY3_STALE = (record(local(2024, 6, 3, 7, 55), [(480, 529, W), (530, 539, R), (540, 569, STOP)], s) for s in (True, False))
NOON, LATER = local(2024, 6, 3, 12), local(2024, 6, 5, 9)
DAY2, JUNE2 = record(local(2024, 6, 2, 8), [(480, 529, W)]), "2024-06-02,50,0,0,0,0,1390"


def run(files, *args):
    """Runs the tool on a folder holding `files`; checks that it changed nothing."""
    with tempfile.TemporaryDirectory(prefix="rw-report-") as path:
        for name, data in files.items():
            pathlib.Path(path, name).write_bytes(data)
        snapshot = lambda: {p.name: (p.read_bytes(), p.stat().st_mtime_ns) for p in pathlib.Path(path).iterdir()}
        before = snapshot()
        done = subprocess.run([TOOL, "--dir", path] + [str(a) for a in args], capture_output=True)
        assert snapshot() == before, "the tool changed the folder"
        return done


def out(files, now, fmt):
    done = run(files, "--now", now, fmt)
    assert done.returncode == 0, done.stderr
    text = done.stdout.decode("utf-8")
    return json.loads(text) if fmt == "--json" else text.splitlines()[1:] if text.startswith(HEADER + "\n") else text


def test_worked_example():
    files = {"state.dat": DAY1, "stateTmp.dat": DAY3}
    j = out(files, NOON, "--json")
    expected = {"compiled": True, "recordCount": 2, "dayCount": 3, "workHours": 2, "restHours": 0, "restPerHour": 20,
                "setAverage": 66, "workExtensionRatio": 4, "restExtensionRatio": 20, "setMinutes": 66,
                "score": [73, 65, 48, 70, 100], "total": 71, "verdict": "データがちょっと少ないっす。。",
                "avgWorkHours": 1.3333334, "avgRestHours": 0.33333334, "overrunPerHour": 6.6666665,
                "restPerWorkHour": 15.0, "usagePercent": 66.666664, "extensionBalance": 1.0}
    for key, value in expected.items():
        assert j[key] == value or struct.pack("<f", j[key]) == struct.pack("<f", value), (key, j[key], value)
    assert sorted(j) == sorted(list(expected) + ["chartX", "chartY", "minuteShare"]), sorted(j)
    # Shares of each code in 50ths at 08:50: half overrun, half rest; the radar's fifth point.
    assert j["minuteShare"][530] == [0, 0, 25, 25, 0, 0] and len(j["minuteShare"]) == 1440, j["minuteShare"][530]
    assert (j["chartX"][4], j["chartY"][4]) == (342, 178)
    shown = run(files, "--now", NOON).stdout.decode("utf-8")
    assert "通算使用頻度     2/   3日" in shown and "１日作業平均   1.3時間" in shown and " 71点" in shown, shown
    shown = run(files, "--now", NOON, "--lang", "en").stdout.decode("utf-8")  # the verdict put into English
    assert "Days in use    2 of 3 days" in shown and "Work a day      1.3 h" in shown and "me more days" in shown, shown
    # A saved day of an earlier date is archived as the next start would, its stale summary worked out again.
    j, stale = out(files, LATER, "--json"), out(dict(files, **{"stateTmp.dat": DAY3_STALE}), LATER, "--json")
    assert stale == j, [k for k in j if stale[k] != j[k]]


def test_figures():
    """Today's figures over a state.dat that holds only a piece of a record, which counts for nothing."""
    rows = [  # today's stretches, what the JSON says
        ([(360, 419, W), (420, 429, WO), (430, 439, R), (440, 444, RO)],  # each overrun ratio over its own plan
         {"recordCount": 1, "dayCount": 1, "workHours": 1, "restHours": 0, "restPerHour": 15, "workExtensionRatio": 10,
          "restExtensionRatio": 30, "setAverage": 85, "extensionBalance": 0.5}),
        # a 300-minute set stored in a byte; overrun per hour clamps at 255
        ([(360, 409, W), (410, 659, WO)], {"workHours": 5, "workExtensionRatio": 255, "restExtensionRatio": 0, "setAverage": 44}),
        ([(360, 389, W), (390, 399, R)], {"workHours": 0, "workExtensionRatio": 0, "setAverage": 40, "restPerWorkHour": 20}),
        ([(360, 464, W), (465, 494, R)], {"restPerHour": 30}),  # 30 rest minutes over 1.75 h: per whole hour, cut
    ]
    for stretches, figures in rows:
        j = out({"state.dat": bytes([1]) * 1000, "stateTmp.dat": record(local(2024, 6, 3, 7, 55), stretches)}, NOON, "--json")
        assert {k: j[k] for k in figures} == figures, (figures, {k: j[k] for k in figures})
    # The same date recorded twice is one day; damaged minutes count for no code.
    first, again = record(local(2024, 6, 1, 7, 30), []), record(local(2024, 6, 1, 8, 30), [])
    j = out({"state.dat": first + again + bytes(range(6, 106)) + first[100:]}, local(2024, 6, 1, 20), "--json")
    got = (j["recordCount"], j["dayCount"], j["usagePercent"], j["minuteShare"][50])
    assert got == (4, 1, 400, [37, 0, 0, 0, 0, 0]), got


def test_folders():
    rows = [  # files, now, the CSV rows, then what the JSON says
        # A trailing piece of a record is ignored, and the saved day archived after the whole records.
        ({"state.dat": DAY1 + DAY1[:700], "stateTmp.dat": DAY3}, LATER, [JUNE1, JUNE3, JUNE5], {"recordCount": 3, "dayCount": 5}),
        # Records off in param.dat (work 60, rest 10 beside the flag): the saved day is dropped, as the next start would.
        ({"state.dat": DAY1, "stateTmp.dat": DAY3, "param.dat": bytes(272) + struct.pack("<iiB3x", 60, 10, 0)}, LATER,
         [JUNE1, JUNE5], {"recordCount": 2}),
        # Already at the end of state.dat (stopped between the append and the next save): once.
        ({"state.dat": DAY1 + DAY3, "stateTmp.dat": DAY3}, LATER, [JUNE1, JUNE3, JUNE5], {"recordCount": 3}),
        # Days waiting for state.dat come before the saved day, those it holds once; a file of zeros never counts.
        ({"state.dat": DAY1, "stateWait.dat": DAY1 + DAY2, "stateTmp.dat": DAY3}, LATER, [JUNE1, JUNE2, JUNE3, JUNE5],
         {"recordCount": 4}),
        ({"state.dat": DAY1, "stateWait.dat": DAY3, "stateTmp.dat": DAY3_STALE}, LATER, [JUNE1, JUNE3, JUNE5], {}),
        ({"state.dat": DAY1, "stateWait.dat": bytes(1456), "stateTmp.dat": DAY3}, LATER, [JUNE1, JUNE3, JUNE5], {}),
        # Without state.dat nothing is evaluated, unless the saved day is to be archived.
        ({"stateTmp.dat": DAY3}, NOON, [JUNE3], {"compiled": False}),
        ({"stateTmp.dat": DAY3[:1000]}, NOON, ["2024-06-03,0,0,0,0,0,1440"], {"compiled": False}),  # too short: missing
        ({"stateTmp.dat": DAY3}, LATER, [JUNE3, JUNE5], {"compiled": True, "recordCount": 2, "dayCount": 3}),
        # Days are counted by the calendar, across the change to summer time (31 March has 23 hours).
        ({"state.dat": record(local(2024, 3, 30, 23, 30), [])}, local(2024, 4, 2, 0, 30),
         ["2024-03-30,0,0,0,0,0,1440", "2024-04-02,0,0,0,0,0,1440"], {"dayCount": 4}),
        ({"state.dat": record(local(2024, 3, 1, 23), [])}, local(2024, 11, 1),
         ["2024-03-01,0,0,0,0,0,1440", "2024-11-01,0,0,0,0,0,1440"], {"dayCount": 246}),
        ({}, 4294967295, ["2106-02-07,0,0,0,0,0,1440"], {}),  # any time a record can hold, also after 2038
    ]
    for files, now, csv, figures in rows:
        assert out(files, now, "--csv") == csv, (sorted(files), now, out(files, now, "--csv"))
        j = out(files, now, "--json")
        assert {k: j[k] for k in figures} == figures, (sorted(files), now, j["recordCount"])


def test_arguments():
    for args in (["--bogus"], ["--now", "soon"], ["--now", "-5"], ["--json", "--csv"], ["--now"], ["--now", "4294967296"], ["--lang", "fr"]):
        done = run({}, *args)
        assert done.returncode == 2 and len(done.stderr.decode().strip().splitlines()) == 1, args
    done = subprocess.run([TOOL, "--dir", "/nonexistent/rw"], capture_output=True)
    assert done.returncode == 2 and done.stdout == b""


if __name__ == "__main__":
    for test in (test_worked_example, test_figures, test_folders, test_arguments):
        test()  # a failed check ends the run with its traceback and a non-zero status
        print("ok", test.__name__)
