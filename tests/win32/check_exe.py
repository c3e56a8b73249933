# SPDX-License-Identifier: MIT
"""Checks the Windows edition's executable: what it imports, its version record, its size."""

import sys

import pefile

# DLLs that come with every Windows; anything else would have to be shipped beside the exe.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "bcrypt.dll", "msvcrt.dll",
               "oleacc.dll", "oleaut32.dll"}
LARGEST_SIZE = 300 * 1024
JAPANESE = 0x0411

path = sys.argv[1]
executable = pefile.PE(path)

imports = {entry.dll.decode().lower() for entry in executable.DIRECTORY_ENTRY_IMPORT}
strings, translations = {}, []
for info in executable.FileInfo[0]:
    for table in getattr(info, "StringTable", []):
        strings[table.LangID.decode()] = {k.decode(): v.decode() for k, v in table.entries.items()}
    for var in getattr(info, "Var", []):
        translations.append(var.entry.get(b"Translation"))
japanese_strings = strings.get("041104B0", {})
fixed = executable.VS_FIXEDFILEINFO[0]
resources = {
    (kind.id, language.id)
    for kind in executable.DIRECTORY_ENTRY_RESOURCE.entries
    for name in kind.directory.entries
    for language in name.directory.entries
}
size = len(executable.__data__)

checks = {
    f"imports only Windows' own DLLs {sorted(imports)}": imports <= SYSTEM_DLLS,
    "file version 1,0,0,0": (fixed.FileVersionMS, fixed.FileVersionLS) == (0x00010000, 0),
    "translation Japanese, UTF-16": translations == ["0x0411 0x04b0"],
    "icon filed as Japanese": (pefile.RESOURCE_TYPE["RT_GROUP_ICON"], JAPANESE) in resources,
    "version record filed as Japanese": (pefile.RESOURCE_TYPE["RT_VERSION"], JAPANESE) in resources,
    "an application manifest": (pefile.RESOURCE_TYPE["RT_MANIFEST"], 0) in resources,
    f"{size} bytes, at most {LARGEST_SIZE}": size <= LARGEST_SIZE,
}
for key, value in {"FileVersion": "1.00", "ProductVersion": "1.00", "ProductName": "Quillet",
                   "InternalName": "Quillet",
                   "LegalCopyright": "Copyright (c) 2026 The Quillet developers. MIT License."}.items():
    checks[f"{key} {value!r}"] = japanese_strings.get(key) == value

for name, passed in checks.items():
    print(f"{'ok  ' if passed else 'FAIL'} {name}")
failed = sum(not passed for passed in checks.values())
print(f"{len(checks) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
