# SPDX-License-Identifier: MIT
"""Checks the Windows edition's executable: what it imports, its version record, its size."""

import json
import sys

import pefile

# Windows' KnownDLLs, which it never looks for beside the exe; every other DLL the program loads
# itself, from the system folder only.
KNOWN_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll"}
PROTECTIONS = {"HIGH_ENTROPY_VA": 0x20, "DYNAMIC_BASE": 0x40, "NX_COMPAT": 0x100,
               "TERMINAL_SERVER_AWARE": 0x8000}
LARGEST_SIZE = 300 * 1024
JAPANESE = 0x0411

path, build = sys.argv[1:3]
with open(f"{build}/project.json", encoding="utf-8") as facts:
    project = json.load(facts)
major, minor, _, _ = project["version_numbers"]
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
manifest = next(executable.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                for kind in executable.DIRECTORY_ENTRY_RESOURCE.entries
                if kind.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]
                for name in kind.directory.entries for language in name.directory.entries)
characteristics = executable.OPTIONAL_HEADER.DllCharacteristics

checks = {
    f"imports only KnownDLLs {sorted(imports)}": imports <= KNOWN_DLLS,
    f"file version {project['version_numbers']}":
        (fixed.FileVersionMS, fixed.FileVersionLS) == (major << 16 | minor, 0),
    "translation Japanese, UTF-16": translations == ["0x0411 0x04b0"],
    "icon filed as Japanese": (pefile.RESOURCE_TYPE["RT_GROUP_ICON"], JAPANESE) in resources,
    "version record filed as Japanese": (pefile.RESOURCE_TYPE["RT_VERSION"], JAPANESE) in resources,
    "an application manifest": (pefile.RESOURCE_TYPE["RT_MANIFEST"], 0) in resources,
    "runs as invoked, never raised": b'requestedExecutionLevel level="asInvoker"' in manifest,
    f"{size} bytes, at most {LARGEST_SIZE}": size <= LARGEST_SIZE,
}
for name, flag in PROTECTIONS.items():
    checks[name] = characteristics & flag == flag
for key, value in {"FileVersion": project["version"], "ProductVersion": project["version"],
                   "ProductName": "Quillet",
                   "InternalName": "Quillet",
                   "LegalCopyright": "Copyright (c) 2026 The Quillet developers. MIT License."}.items():
    checks[f"{key} {value!r}"] = japanese_strings.get(key) == value

for name, passed in checks.items():
    print(f"{'ok  ' if passed else 'FAIL'} {name}")
failed = sum(not passed for passed in checks.values())
print(f"{len(checks) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
