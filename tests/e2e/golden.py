"""Runs golden cases against the built programs and compares every byte.

A case names a program, the files it starts with, its arguments, and what it must leave behind:
standard output, standard error, exit status, and the bytes of every file it must write (or
None for a file that must not exist). In expected texts, {dir} stands for the case's scratch
directory and {program} for the program as it was started.
"""

import argparse
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile

TIME_LIMIT_SECONDS = 20


class Case:
    def __init__(self, name, program, args=("in", "out"), table=None, files=None,
                 code_page="GBK", env=None, stdout=b"", stderr=b"", status=0, outputs=None,
                 stdout_file=None):
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


def load_cases(path):
    spec = importlib.util.spec_from_file_location(os.path.basename(path)[:-3], path)
    module = importlib.util.module_from_spec(spec)
    sys.path.insert(0, os.path.dirname(path))
    spec.loader.exec_module(module)
    return module.CASES


def expand(text, values):
    for key, value in values.items():
        text = text.replace(b"{" + key.encode() + b"}", value.encode())
    return text


def run_case(case, bin_dir, emulator):
    scratch = tempfile.mkdtemp(prefix="phrasetools_")
    try:
        table_dir = os.path.join(scratch, "table")
        os.mkdir(table_dir)
        if case.table is not None:
            with open(os.path.join(table_dir, "hanlex.tab"), "wb") as f:
                f.write(case.table)
        for name, data in case.files.items():
            path = os.path.join(scratch, name)
            if data is None:
                os.makedirs(path, exist_ok=True)
                continue
            with open(path, "wb") as f:
                f.write(data)
        program = os.path.join(bin_dir, case.program)
        env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
        env["HANLEX_DIR"] = table_dir
        env["LANG"] = "zh_CN." + case.code_page if case.code_page else "C"
        env.update({k: v.replace("{dir}", scratch) for k, v in case.env.items()})
        command = emulator + [program] + case.args
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
        values = {"dir": scratch, "program": program}
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
    parser.add_argument("cases", nargs="+", help="case files, each defining CASES")
    options = parser.parse_args()
    emulator = options.emulator.split() if options.emulator else []
    passed = failed = 0
    for path in options.cases:
        for case in load_cases(path):
            faults = run_case(case, os.path.abspath(options.bin), emulator)
            if faults:
                failed += 1
                print("FAIL %s" % case.name)
                for fault in faults:
                    print("    " + fault)
            else:
                passed += 1
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
