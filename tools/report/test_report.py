#!/usr/bin/env python3
"""Runs restwarden-report against generated data folders and checks what it prints.

usage: test_report.py PATH_TO_restwarden-report
"""
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

TOOL = sys.argv[1]
os.environ["TZ"] = "Europe/Berlin"
time.tzset()

RECORD = 1456
W, WO, R, RO, STOP = 1, 2, 3, 4, 5


def local(y, mo, d, h=0, mi=0):
    return int(time.mktime((y, mo, d, h, mi, 0, 0, 0, -1)))


def at(h, m):
    return h * 60 + m


def f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def summarize(minutes):
    total, runs = [0] * 6, [0] * 6
    code, length = minutes[0], 1
    for value in minutes[1:] + [None]:
        if value == code:
            length += 1
            continue
        if 0 <= code <= 5:
            total[code] += length
            runs[code] += 1
        code, length = value, 1
    mean = [min(255, total[c] // runs[c]) if runs[c] else 0 for c in range(6)]
    return mean, [r % 256 for r in runs]


def record(start, stretches):
    minutes = [0] * 1440
    for first, last, code in stretches:
        for i in range(first, last + 1):
            minutes[i] = code
    mean, runs = summarize(minutes)
    return bytes(m & 0xFF for m in minutes) + bytes(mean) + bytes(runs) + struct.pack("<I", start)


def first_of_june():
    stretches = []
    for o in (0, 70):
        stretches += [(at(8, 0) + o, at(8, 49) + o, W), (at(8, 50) + o, at(8, 54) + o, WO),
                      (at(8, 55) + o, at(9, 4) + o, R), (at(9, 5) + o, at(9, 9) + o, RO)]
    return record(local(2024, 6, 1, 7, 30), stretches)


def third_of_june():
    return record(local(2024, 6, 3, 7, 55),
                  [(at(8, 0), at(8, 49), W), (at(8, 50), at(8, 59), R), (at(9, 0), at(9, 29), STOP)])


def param(log_output):
    image = bytearray(284)
    image[280] = log_output
    return bytes(image)


class Folder:
    def __init__(self, files):
        self.path = tempfile.mkdtemp(prefix="rw-report-")
        for name, data in files.items():
            with open(os.path.join(self.path, name), "wb") as f:
                f.write(data)

    def snapshot(self):
        out = {}
        for name in sorted(os.listdir(self.path)):
            p = os.path.join(self.path, name)
            with open(p, "rb") as f:
                out[name] = (f.read(), os.stat(p).st_mtime_ns)
        return out

    def run(self, *args):
        before = self.snapshot()
        done = subprocess.run([TOOL, "--dir", self.path] + list(args), capture_output=True)
        assert self.snapshot() == before, "the tool changed the folder"
        return done

    def json(self, now):
        done = self.run("--now", str(now), "--json")
        assert done.returncode == 0, done.stderr
        return json.loads(done.stdout.decode("utf-8"))

    def csv(self, now):
        done = self.run("--now", str(now), "--csv")
        assert done.returncode == 0, done.stderr
        return done.stdout.decode("ascii").splitlines()

    def close(self):
        shutil.rmtree(self.path)


HEADER = "date,working,workOver,resting,restOver,stopped,noData"
NOON_3RD = local(2024, 6, 3, 12, 0)


def test_worked_example():
    folder = Folder({"state.dat": first_of_june(), "stateTmp.dat": third_of_june()})
    j = folder.json(NOON_3RD)
    expected = {"compiled": True, "recordCount": 2, "dayCount": 3, "workHours": 2, "restHours": 0,
                "restPerHour": 20, "setAverage": 66, "workExtensionRatio": 4, "restExtensionRatio": 20,
                "setMinutes": 66, "score": [73, 65, 48, 70, 100], "total": 71,
                "verdict": "データがちょっと少ないっす。。"}
    for key, value in expected.items():
        assert j[key] == value, (key, j[key], value)
    floats = {"avgWorkHours": 1.3333334, "avgRestHours": 0.33333334, "overrunPerHour": 6.6666665,
              "restPerWorkHour": 15.0, "usagePercent": 66.666664, "extensionBalance": 1.0}
    for key, value in floats.items():
        assert f32(j[key]) == f32(value), (key, j[key], f32(value))
    keys = ["compiled", "recordCount", "dayCount", "workHours", "restHours", "avgWorkHours", "avgRestHours",
            "restPerHour", "setAverage", "workExtensionRatio", "restExtensionRatio", "overrunPerHour",
            "restPerWorkHour", "usagePercent", "extensionBalance", "setMinutes", "score", "total", "chartX",
            "chartY", "verdict", "minuteShare"]
    assert sorted(j) == sorted(keys), sorted(j)
    assert len(j["minuteShare"]) == 1440 and all(len(row) == 6 for row in j["minuteShare"])
    assert j["minuteShare"][at(8, 50)] == [0, 0, 25, 25, 0, 0]
    assert j["chartX"][4] == 342 and j["chartY"][4] == 178
    assert folder.csv(NOON_3RD) == [HEADER, "2024-06-01,100,10,20,10,0,1300",
                                    "2024-06-03,50,0,10,0,30,1350"]
    text = folder.run("--now", str(NOON_3RD))
    assert text.returncode == 0
    shown = text.stdout.decode("utf-8")
    assert "通算使用頻度     2/   3日" in shown and "１日作業平均   1.3時間" in shown and " 71点" in shown, shown
    folder.close()


def test_no_history():
    folder = Folder({})
    j = folder.json(NOON_3RD)
    assert j["compiled"] is False and j["recordCount"] == 0 and j["total"] == 0
    assert j["verdict"] == "データがちょっと少ないっす。。"
    assert folder.csv(NOON_3RD) == [HEADER, "2024-06-03,0,0,0,0,0,1440"]
    # Today's record alone is never evaluated.
    folder2 = Folder({"stateTmp.dat": third_of_june()})
    assert folder2.json(NOON_3RD)["compiled"] is False
    assert folder2.csv(NOON_3RD) == [HEADER, "2024-06-03,50,0,10,0,30,1350"]
    folder.close()
    folder2.close()


def test_trailing_partial_record():
    folder = Folder({"state.dat": first_of_june() + first_of_june()[:700], "stateTmp.dat": third_of_june()})
    j = folder.json(NOON_3RD)
    assert j["recordCount"] == 2 and j["setAverage"] == 66
    assert folder.csv(NOON_3RD)[1:] == ["2024-06-01,100,10,20,10,0,1300", "2024-06-03,50,0,10,0,30,1350"]
    # A state.dat without one whole record counts the span from today.
    empty = Folder({"state.dat": b"\x01" * 1000, "stateTmp.dat": third_of_june()})
    j = empty.json(NOON_3RD)
    assert j["compiled"] is True and j["recordCount"] == 1 and j["dayCount"] == 1 and j["usagePercent"] == 100.0
    folder.close()
    empty.close()


def test_old_saved_day_counts_as_archived():
    files = {"state.dat": first_of_june(), "stateTmp.dat": third_of_june()}
    later = local(2024, 6, 5, 9, 0)
    folder = Folder(files)
    j = folder.json(later)
    assert j["recordCount"] == 3 and j["dayCount"] == 5, (j["recordCount"], j["dayCount"])
    assert folder.csv(later) == [HEADER, "2024-06-01,100,10,20,10,0,1300", "2024-06-03,50,0,10,0,30,1350",
                                 "2024-06-05,0,0,0,0,0,1440"]
    folder.close()
    # Records switched off: the next start discards the saved day.
    off = Folder(dict(files, **{"param.dat": param(0)}))
    assert off.json(later)["recordCount"] == 2
    assert off.csv(later)[1:] == ["2024-06-01,100,10,20,10,0,1300", "2024-06-05,0,0,0,0,0,1440"]
    off.close()
    on = Folder(dict(files, **{"param.dat": param(1)}))
    assert on.json(later)["recordCount"] == 3
    on.close()
    # A saved day already at the end of state.dat (a run stopped between the append and
    # the next save) is not counted twice.
    again = Folder({"state.dat": first_of_june() + third_of_june(), "stateTmp.dat": third_of_june()})
    assert again.json(later)["recordCount"] == 3
    assert len(again.csv(later)) == 4
    again.close()
    # No state.dat yet: the archived day starts it.
    fresh = Folder({"stateTmp.dat": third_of_june()})
    j = fresh.json(later)
    assert j["compiled"] is True and j["recordCount"] == 2 and j["dayCount"] == 3
    fresh.close()


def test_bad_arguments():
    folder = Folder({})
    for args in (["--bogus"], ["--now", "soon"], ["--now", "-5"], ["--json", "--csv"], ["--now"],
                 ["--now", "4294967296"]):
        done = folder.run(*args)
        assert done.returncode == 2, args
        assert len(done.stderr.decode().strip().splitlines()) == 1, args
    done = subprocess.run([TOOL, "--dir", os.path.join(folder.path, "missing")], capture_output=True)
    assert done.returncode == 2 and done.stdout == b""
    folder.close()


TESTS = [test_worked_example, test_no_history, test_trailing_partial_record,
         test_old_saved_day_counts_as_archived, test_bad_arguments]

if __name__ == "__main__":
    passed = failed = 0
    for test in TESTS:
        try:
            test()
            passed += 1
            print("ok", test.__name__)
        except AssertionError as error:
            failed += 1
            print("FAIL", test.__name__, error)
    print(f"{passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
