"""Runs golden cases against the built programs and compares every byte.

A case names a program, the files it starts with, its arguments, and what it must leave behind:
standard output, standard error, exit status, and the bytes of every file it must write (or
None for a file that must not exist). In expected texts, {dir} stands for the case's scratch
directory, {program} for the program as it was started and {table} for the table's path.

With --windows the programs are the Windows build, run through --emulator (Wine): the table
lies in the Windows system directory of WINEPREFIX, the code page follows LANG (zh_CN.UTF-8 gives
code page 936, whose lead bytes are those of GBK), and standard output and standard error are in
text mode, so every expected line end is CR LF. Where Windows differs by design, a case says so
in its windows argument: "skip", or the expectations that replace the POSIX ones.
"""

import argparse
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile

TIME_LIMIT_SECONDS = 60
DIRECTORY = "directory"  # a table value: hanlex.tab is a directory


class Case:
    def __init__(self, name, program, args=("in", "out"), table=None, files=None,
                 code_page="GBK", env=None, stdout=b"", stderr=b"", status=0, outputs=None,
                 stdout_file=None, windows=None):
        self.name = name
        self.program = program
        self.args = list(args)
        self.table = table          # bytes of hanlex.tab, or None for no table file
        self.files = files or {}    # name -> bytes, written before the run
        self.code_page = code_page  # character set for the locale, or None for "C"
        self.env = env or {}
        self.stdout = stdout
        self.stderr = stderr
        self.status = status
        self.outputs = outputs or {}  # name -> expected bytes, or None: must not exist
        self.stdout_file = stdout_file  # a path to send standard output to, such as /dev/full
        self.windows = windows or {}  # "skip", or what replaces the expectations on Windows

    def for_windows(self):
        """The case as the Windows build must pass it, or None when it cannot run there."""
        if self.windows == "skip":
            return None
        case = Case(self.name, self.program, self.args, self.table, self.files, self.code_page,
                    self.env, self.stdout.replace(b"\n", b"\r\n"),
                    self.stderr.replace(b"\n", b"\r\n"), self.status, self.outputs,
                    self.stdout_file)
        for key, value in self.windows.items():
            setattr(case, key, value)
        return case


def file_failure_cases(program, table, source, cannot_open):
    """The cases every program meets alike: its input or output cannot be opened, the output is
    on a full disk, the input is a directory. cannot_open is the program's message for a file it
    cannot open, with %s for the file's name; source is an input it would convert."""

    def message(name):
        return cannot_open.replace(b"%s", name)

    return [
        Case(program + " input cannot be opened", program, table=table, files={"out": b"kept"},
             stderr=message(b"in"), status=1, outputs={"out": b"kept"}),
        Case(program + " output cannot be opened", program, table=table,
             args=("in", "nowhere/out"), files={"in": source}, stderr=message(b"nowhere/out"),
             status=1),
        Case(program + " output on a full disk", program, table=table, args=("in", "/dev/full"),
             files={"in": source}, stderr=b"/dev/full: write error: No space left on device\n",
             status=1, windows="skip"),
        Case(program + " input is a directory", program, table=table, args=("dir", "out"),
             files={"dir": None}, stderr=b"dir: read error: Is a directory\n", status=1,
             outputs={"out": b""},
             # Windows does not open a directory as a file.
             windows={"stderr": message(b"dir").replace(b"\n", b"\r\n"),
                      "outputs": {"out": None}}),
    ]


def load_cases(path):
    module_spec = importlib.util.spec_from_file_location(os.path.basename(path)[:-3], path)
    module = importlib.util.module_from_spec(module_spec)
    sys.path.insert(0, os.path.dirname(path))
    module_spec.loader.exec_module(module)
    return module.CASES


def expand(text, values):
    for key, value in values.items():
        text = text.replace(b"{" + key.encode() + b"}", value.encode())
    return text


class Platform:
    """Where the table goes and how the programs are named and started."""

    def __init__(self, bin_dir, emulator, windows_system_dir):
        self.bin_dir = bin_dir
        self.emulator = emulator
        self.windows = windows_system_dir is not None
        self.windows_system_dir = windows_system_dir

    def program(self, name):
        return os.path.join(self.bin_dir, name + (".exe" if self.windows else ""))

    def shown_program(self, name):
        """The program's name as the program sees it in argv[0]."""
        path = self.program(name)
        return "Z:" + path.replace("/", "\\") if self.windows else path

    def table_path(self, scratch):
        if self.windows:
            return os.path.join(self.windows_system_dir, "hanlex.tab")
        return os.path.join(scratch, "table", "hanlex.tab")

    def shown_table(self, scratch):
        return "C:\\windows\\system32\\hanlex.tab" if self.windows else self.table_path(scratch)

    def locale(self, code_page):
        if self.windows:
            return "zh_CN.UTF-8" if code_page else "C"
        return "zh_CN." + code_page if code_page else "C"


def place_table(path, table):
    if os.path.isdir(path):
        os.rmdir(path)
    elif os.path.exists(path):
        os.remove(path)
    if table == DIRECTORY:
        os.mkdir(path)
    elif table is not None:
        with open(path, "wb") as f:
            f.write(table)


def run_case(case, platform):
    scratch = tempfile.mkdtemp(prefix="phrasetools_")
    try:
        os.mkdir(os.path.join(scratch, "table"))
        place_table(platform.table_path(scratch), case.table)
        for name, data in case.files.items():
            path = os.path.join(scratch, name)
            if data is None:
                os.makedirs(path, exist_ok=True)
                continue
            with open(path, "wb") as f:
                f.write(data)
        env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
        env["HANLEX_DIR"] = os.path.join(scratch, "table")
        env["LANG"] = platform.locale(case.code_page)
        env.update({k: v.replace("{dir}", scratch) for k, v in case.env.items()})
        command = platform.emulator + [platform.program(case.program)] + case.args
        stdout_target = open(case.stdout_file, "wb") if case.stdout_file else subprocess.PIPE
        try:
            result = subprocess.run(command, cwd=scratch, env=env, stdout=stdout_target,
                                    stderr=subprocess.PIPE, stdin=subprocess.DEVNULL,
                                    timeout=TIME_LIMIT_SECONDS)
        except subprocess.TimeoutExpired:
            return ["did not finish within %d seconds" % TIME_LIMIT_SECONDS]
        finally:
            if case.stdout_file:
                stdout_target.close()
        values = {"dir": scratch, "program": platform.shown_program(case.program),
                  "table": platform.shown_table(scratch)}
        faults = []
        if result.returncode != case.status:
            faults.append("exit status %r, expected %r" % (result.returncode, case.status))
        if not case.stdout_file and result.stdout != expand(case.stdout, values):
            faults.append("standard output %r, expected %r"
                          % (result.stdout, expand(case.stdout, values)))
        if result.stderr != expand(case.stderr, values):
            faults.append("standard error %r, expected %r"
                          % (result.stderr, expand(case.stderr, values)))
        for name, expected in case.outputs.items():
            path = os.path.join(scratch, name)
            if expected is None:
                if os.path.exists(path):
                    faults.append("%s exists, expected none" % name)
                continue
            if not os.path.isfile(path):
                faults.append("%s missing" % name)
                continue
            with open(path, "rb") as f:
                actual = f.read()
            if actual != expected:
                faults.append("%s holds %r, expected %r" % (name, actual, expected))
        return faults
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bin", required=True, help="directory of the built programs")
    parser.add_argument("--emulator", default="", help="command that runs the programs")
    parser.add_argument("--windows", metavar="SYSTEM_DIR",
                        help="the programs are the Windows build; SYSTEM_DIR is where the "
                             "emulator keeps C:\\windows\\system32")
    parser.add_argument("cases", nargs="+", help="case files, each defining CASES")
    options = parser.parse_args()
    emulator = options.emulator.split() if options.emulator else []
    platform = Platform(os.path.abspath(options.bin), emulator, options.windows)
    if options.windows:
        os.makedirs(options.windows, exist_ok=True)
    passed = failed = skipped = 0
    for path in options.cases:
        for case in load_cases(path):
            if options.windows:
                case = case.for_windows()
                if case is None:
                    skipped += 1
                    continue
            faults = run_case(case, platform)
            if faults:
                failed += 1
                print("FAIL %s" % case.name)
                for fault in faults:
                    print("    " + fault)
            else:
                passed += 1
    print("%d passed, %d failed, %d skipped" % (passed, failed, skipped))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
