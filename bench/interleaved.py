"""Times two commands side by side for the benchmark scripts: runs them in
turn, interleaved so that both see the same load, and prints the medians of
CPU time (user + system) and peak resident memory of each, then the second's
ratios to the first. Each run is measured by GNU time (Debian package
"time"), whose own small process starts it, so that the peak memory is the
command's and not that of this script."""
import os, statistics, subprocess, sys, tempfile


def measure(command, cwd):
    # The CPU time is the time process's, which holds the command's once
    # reaped, to the microsecond (GNU time itself gives hundredths); the
    # peak memory is the one GNU time reports for the command alone.
    with tempfile.NamedTemporaryFile(mode="r") as report:
        child = subprocess.Popen(["/usr/bin/time", "-q", "-o", report.name, "-f", "%M"] + command, cwd=cwd,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        code = os.waitstatus_to_exitcode(status)
        if code != 0:
            sys.exit(f"{command[0]} terminó con {code}")
        peak = int(report.read().split()[-1])
    return usage.ru_utime + usage.ru_stime, peak   # seconds, KiB


def compare(first, second, runs, ratio_label, note, cwd=None):
    """first and second: (name, command); prints "ratio_label: ..." with the note."""
    samples = {first[0]: [], second[0]: []}
    for _ in range(runs):
        for name, command in (first, second):
            samples[name].append(measure(command, cwd))
    medians = {}
    for name, runs_of in samples.items():
        cpu = statistics.median(s[0] for s in runs_of) * 1000
        rss = statistics.median(s[1] for s in runs_of) / 1024
        medians[name] = (cpu, rss)
        print(f"{os.path.basename(name):28} CPU {cpu:8.1f} ms   memoria máxima {rss:6.1f} MiB")
    (cpu1, rss1), (cpu2, rss2) = medians[first[0]], medians[second[0]]
    print(f"{ratio_label}: CPU {cpu2 / cpu1:.2f}x   memoria {rss2 / rss1:.2f}x   ({note})")
