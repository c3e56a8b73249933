# SPDX-License-Identifier: MIT
"""Makes the Windows edition's zip and checks what a user unpacks from it."""

import json
import subprocess
import sys
import zipfile
from pathlib import Path

build = Path(sys.argv[1])
subprocess.run(["cmake", "--build", build, "--target", "windows_zip"], check=True,
               stdout=subprocess.DEVNULL)
version = json.loads((build / "project.json").read_text(encoding="utf-8"))["version"]
archive = build / f"quillet-{version}-windows.zip"

with zipfile.ZipFile(archive) as package:
    names = sorted(package.namelist())
    readme = package.read("README.txt").decode("utf-8-sig") if "README.txt" in names else ""
    exe = package.read("quillet.exe") if "quillet.exe" in names else b""
    licence = package.read("LICENSE.txt").decode("utf-8") if "LICENSE.txt" in names else ""

checks = {
    f"holds quillet.exe, README.txt and LICENSE.txt, nothing else: {names}":
        names == ["LICENSE.txt", "README.txt", "quillet.exe"],
    "the licence is MIT's": licence.startswith("MIT License"),
    "the program is a Windows executable": exe[:2] == b"MZ",
    "the text is Japanese": "パスワード" in readme and "利息" in readme,
    "the text has Windows line ends": "\r\n" in readme and "\n" not in readme.replace("\r\n", ""),
}
for name, passed in checks.items():
    print(f"{'ok  ' if passed else 'FAIL'} {name}")
failed = sum(not passed for passed in checks.values())
print(f"{len(checks) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
