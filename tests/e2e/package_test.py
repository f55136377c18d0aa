"""What a user gets besides the programs: man pages, sample data and the installed tree.

  man DIR           every man page in DIR renders without a warning
  examples DIR      examples/make_examples.py writes the sample files exactly as they are kept
  install BUILD     cmake --install puts programs, man pages and README in place, and no table;
                    the installed programs compile and dump the sample phrases
"""

import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PROGRAMS = ("phrase_dump", "phrase_from_chars", "phrase_from_syllables")


def check_man(directory):
    pages = sorted(f for f in os.listdir(directory) if f.endswith(".1"))
    assert [p[:-2] for p in pages] == sorted(PROGRAMS), pages
    for page in pages:
        result = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-z",
                                 os.path.join(directory, page)], capture_output=True)
        assert result.returncode == 0 and result.stderr == b"", (page, result.stderr)


def check_examples(directory):
    names = ("hanlex.tab", "phrases.txt", "listing.txt")
    kept = {}
    for name in names:
        with open(os.path.join(directory, name), "rb") as f:
            kept[name] = f.read()
    scratch = tempfile.mkdtemp()
    try:
        shutil.copy(os.path.join(directory, "make_examples.py"), scratch)
        subprocess.run([sys.executable, os.path.join(scratch, "make_examples.py")], check=True)
        for name in names:
            with open(os.path.join(scratch, name), "rb") as f:
                assert f.read() == kept[name], name + " differs from what make_examples.py writes"
    finally:
        shutil.rmtree(scratch)


def check_install(build):
    prefix = tempfile.mkdtemp(prefix="phrasetools_install_")
    try:
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        for program in PROGRAMS:
            assert os.access(os.path.join(prefix, "bin", program), os.X_OK), program
            assert os.path.isfile(os.path.join(prefix, "share", "man", "man1", program + ".1"))
        assert os.path.isfile(os.path.join(prefix, "share", "doc", "phrasetools", "README.md"))
        for top, _, files in os.walk(prefix):
            assert "hanlex.tab" not in files, "a table was installed in " + top
        env = dict(os.environ, HANLEX_DIR=os.path.join(ROOT, "examples"), LANG="zh_CN.GBK")
        env.pop("LC_ALL", None)
        env.pop("LC_CTYPE", None)
        bin_dir = os.path.join(prefix, "bin")
        phrases = os.path.join(ROOT, "examples", "phrases.txt")
        compiled = os.path.join(prefix, "phrases.bin")
        listing = os.path.join(prefix, "phrases.lst")
        echo = subprocess.run([os.path.join(bin_dir, "phrase_from_chars"), phrases, compiled],
                              env=env, check=True, capture_output=True).stdout
        assert echo.decode("gbk") == "北京\n银行\n长大\n音乐\n白天\n", echo
        subprocess.run([os.path.join(bin_dir, "phrase_dump"), compiled, listing], env=env,
                       check=True)
        with open(listing, "rb") as f:
            lines = f.read().decode("gbk").split("\r\n")
        assert lines[:2] == ["你好\tni hao", "中国\tzhong guo"] and len(lines) == 8, lines
    finally:
        shutil.rmtree(prefix)


def main():
    check = {"man": check_man, "examples": check_examples, "install": check_install}
    check[sys.argv[1]](sys.argv[2])
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
