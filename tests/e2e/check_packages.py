#!/usr/bin/env python3
"""Checks a build's release packages: the archive holds exactly the program and the read-me,
the read-me carries this build's version and deployment values, and the installer installs the
program and a shortcut and writes no settings.
    check_packages.py OBJDUMP PACKAGE-PATH-WITHOUT-EXTENSION PROGRAM VERSION DEPLOYMENT-VALUE...
"""
import re
import subprocess
import sys
import zipfile
from pathlib import Path

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def msi_table(msi, table):
    """The rows of an installer table, as lists of columns (msitools' msiinfo)."""
    text = subprocess.run(["msiinfo", "export", str(msi), table], capture_output=True, text=True, check=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:] if line]


def main():
    objdump, package, program_path, version, *values = sys.argv[1:]
    program = Path(program_path).read_bytes()

    # Only what every start needs is imported: the shell and COM load on a grab, a browse or a link.
    # The 32-bit build imports them as usual (its delay-import thunks do not work, see CMakeLists.txt).
    dump = subprocess.run([objdump, "-p", program_path], capture_output=True, text=True, check=True).stdout
    imports = sorted(line.split("DLL Name:")[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line)
    expected = ["gdi32.dll", "kernel32.dll", "msimg32.dll", "msvcrt.dll", "user32.dll", "version.dll"]
    if "file format pei-i386" in dump:
        expected = sorted(expected + ["ole32.dll", "shell32.dll"])
    check(imports == expected, "the program imports %s" % imports)

    with zipfile.ZipFile(package + ".zip") as archive:
        names = archive.namelist()
        check(sorted(names) == ["README.txt", "TilloraStockdraw.exe"], "archive holds %s" % names)
        if "TilloraStockdraw.exe" in names:
            check(archive.read("TilloraStockdraw.exe") == program, "archived program differs from the build's")
        readme = archive.read("README.txt").decode("ascii") if "README.txt" in names else ""
    check("\r\n" in readme and "\n" not in readme.replace("\r\n", ""), "read-me lines do not end in CR LF")
    check(not re.search(r"@[A-Z_]+@", readme), "read-me has an unfilled value")
    for expected in [version, Path(package).name + ".msi", *values]:
        check(expected in readme, "read-me lacks %r" % expected)

    msi = package + ".msi"
    files = msi_table(msi, "File")
    check([row[2] for row in files] == ["TilloraStockdraw.exe"], "installer files: %s" % files)
    check(files and int(files[0][3]) == len(program), "installer's program size differs from the build's")
    shortcuts = msi_table(msi, "Shortcut")
    check([(row[1], row[2], row[4]) for row in shortcuts] ==
          [("ProgramMenuFolder", "Tillora POS Stockdraw", "[#ProgramExe]")], "installer shortcuts: %s" % shortcuts)
    check(msi_table(msi, "Registry") == [], "installer writes registry values")
    directories = {row[0]: row for row in msi_table(msi, "Directory")}
    check(directories.get("INSTALLDIR", [None, None, None])[1:] == ["TilloraFolder", "Stockdraw"] and
          directories.get("TilloraFolder", [None, None])[1].startswith("ProgramFiles"),
          "installer does not install under Program Files\\Tillora\\Stockdraw")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
