#!/usr/bin/env python3
"""Runs restwarden-report against generated data folders and checks what it prints.

usage: test_report.py PATH_TO_restwarden-report
"""
import json, os, shutil, struct, subprocess, sys, tempfile, time

TOOL = sys.argv[1]
os.environ["TZ"] = "Europe/Berlin"
time.tzset()
W, WO, R, RO, STOP = 1, 2, 3, 4, 5
HEADER = "date,working,workOver,resting,restOver,stopped,noData"
JUNE1, JUNE3 = "2024-06-01,100,10,20,10,0,1300", "2024-06-03,50,0,10,0,30,1350"


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


def first_of_june():
    s = []
    for o in (0, 70):
        s += [(480 + o, 529 + o, W), (530 + o, 534 + o, WO), (535 + o, 544 + o, R), (545 + o, 549 + o, RO)]
    return record(local(2024, 6, 1, 7, 30), s)


def third_of_june(summarized=True):
    return record(local(2024, 6, 3, 7, 55), [(480, 529, W), (530, 539, R), (540, 569, STOP)], summarized)


def run(files, *args):
    """Runs the tool on a folder holding `files`; checks that it changed nothing."""
    path = tempfile.mkdtemp(prefix="rw-report-")
    try:
        for name, data in files.items():
            with open(os.path.join(path, name), "wb") as f:
                f.write(data)
        snapshot = lambda: {n: (open(os.path.join(path, n), "rb").read(), os.stat(os.path.join(path, n)).st_mtime_ns) for n in os.listdir(path)}
        before = snapshot()
        done = subprocess.run([TOOL, "--dir", path] + [str(a) for a in args], capture_output=True)
        assert snapshot() == before, "the tool changed the folder"
        return done
    finally:
        shutil.rmtree(path)


def out(files, now, fmt):
    done = run(files, "--now", now, fmt)
    assert done.returncode == 0, done.stderr
    text = done.stdout.decode("utf-8")
    return json.loads(text) if fmt == "--json" else text.splitlines()


def test_outputs():
    files = {"state.dat": first_of_june(), "stateTmp.dat": third_of_june()}
    noon = local(2024, 6, 3, 12)
    j = out(files, noon, "--json")
    expected = {"compiled": True, "recordCount": 2, "dayCount": 3, "workHours": 2, "restHours": 0, "restPerHour": 20,
                "setAverage": 66, "workExtensionRatio": 4, "restExtensionRatio": 20, "setMinutes": 66,
                "score": [73, 65, 48, 70, 100], "total": 71, "verdict": "データがちょっと少ないっす。。",
                "avgWorkHours": 1.3333334, "avgRestHours": 0.33333334, "overrunPerHour": 6.6666665,
                "restPerWorkHour": 15.0, "usagePercent": 66.666664, "extensionBalance": 1.0}
    for key, value in expected.items():
        assert j[key] == value or struct.pack("<f", j[key]) == struct.pack("<f", value), (key, j[key], value)
    assert sorted(j) == sorted(list(expected) + ["chartX", "chartY", "minuteShare"]), sorted(j)
    assert j["minuteShare"][530] == [0, 0, 25, 25, 0, 0] and len(j["minuteShare"]) == 1440
    assert (j["chartX"][4], j["chartY"][4]) == (342, 178)
    assert out(files, noon, "--csv") == [HEADER, JUNE1, JUNE3]
    shown = run(files, "--now", noon).stdout.decode("utf-8")
    assert "通算使用頻度     2/   3日" in shown and "１日作業平均   1.3時間" in shown and " 71点" in shown, shown
    # A trailing piece of a record is ignored; without state.dat nothing is evaluated.
    assert out(dict(files, **{"state.dat": first_of_june() + first_of_june()[:700]}), noon, "--csv") == [HEADER, JUNE1, JUNE3]
    assert out({}, noon, "--json")["compiled"] is False
    assert out({"stateTmp.dat": third_of_june()}, noon, "--json")["compiled"] is False


def test_saved_day_of_an_earlier_date_is_counted_as_the_next_start_archives_it():
    later = local(2024, 6, 5, 9)
    files = {"state.dat": first_of_june(), "stateTmp.dat": third_of_june()}
    j = out(files, later, "--json")
    assert (j["recordCount"], j["dayCount"]) == (3, 5)
    assert out(files, later, "--csv") == [HEADER, JUNE1, JUNE3, "2024-06-05,0,0,0,0,0,1440"]
    # Saved between two summaries, its summary fields are stale: it is summarised from its minutes.
    stale = out(dict(files, **{"stateTmp.dat": third_of_june(False)}), later, "--json")
    assert stale == j, [k for k in j if stale[k] != j[k]]
    records_off = bytes(280) + b"\x00" + bytes(3)
    assert out(dict(files, **{"param.dat": records_off}), later, "--csv")[1:] == [JUNE1, "2024-06-05,0,0,0,0,0,1440"]
    # Already at the end of state.dat (stopped between the append and the next save): once.
    assert out({"state.dat": first_of_june() + third_of_june(), "stateTmp.dat": third_of_june()}, later, "--json")["recordCount"] == 3
    j = out({"stateTmp.dat": third_of_june()}, later, "--json")
    assert (j["compiled"], j["recordCount"], j["dayCount"]) == (True, 2, 3)


def test_arguments():
    # Any time a record can hold is taken, also after 2038.
    for now in (local(2040, 1, 1, 12), 4294967295):
        day = time.strftime("%Y-%m-%d", time.localtime(now))
        assert out({}, now, "--csv") == [HEADER, day + ",0,0,0,0,0,1440"], now
    for args in (["--bogus"], ["--now", "soon"], ["--now", "-5"], ["--json", "--csv"], ["--now"], ["--now", "4294967296"]):
        done = run({}, *args)
        assert done.returncode == 2 and len(done.stderr.decode().strip().splitlines()) == 1, args
    done = subprocess.run([TOOL, "--dir", "/nonexistent/rw"], capture_output=True)
    assert done.returncode == 2 and done.stdout == b""


if __name__ == "__main__":
    failed = 0
    for test in (test_outputs, test_saved_day_of_an_earlier_date_is_counted_as_the_next_start_archives_it, test_arguments):
        try:
            test()
            print("ok", test.__name__)
        except AssertionError as error:
            failed += 1
            print("FAIL", test.__name__, error)
    sys.exit(1 if failed else 0)
