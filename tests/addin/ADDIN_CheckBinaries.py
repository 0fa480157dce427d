#!/usr/bin/python3
"""Checks the built Trovix.dll and Trovix_LANG.dll as files, without running them: the machine type,
Trovix.dll's exports (the four COM entry points by name, ordinals 1 to 4, nothing else), imports of
system DLLs only (none at all for the language module), version 2.2.1.0 with "AddinClsid" in
Trovix.dll, and an embedded type library of the target's kind.

Usage: ADDIN_CheckBinaries.py i386|amd64 TROVIX_DLL LANGUAGE_DLL
"""
import re
import struct
import sys

import pefile

MACHINES = {"i386": 0x14C, "amd64": 0x8664}
SYSKINDS = {"i386": 1, "amd64": 3}  # SYS_WIN32, SYS_WIN64
EXPORTS = [(1, "DllCanUnloadNow"), (2, "DllGetClassObject"), (3, "DllRegisterServer"),
           (4, "DllUnregisterServer")]
SYSTEM = re.compile(r"^(KERNEL32|USER32|ADVAPI32|GDI32|ole32|OLEAUT32|VERSION|msvcrt|COMDLG32|SHELL32|"
                    r"SHLWAPI)\.dll$", re.IGNORECASE)
VERSION = (2, 2, 1, 0)

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def imports(pe):
    return [entry.dll.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]


def check_version(pe, name):
    infos = getattr(pe, "VS_FIXEDFILEINFO", None)
    check(bool(infos), f"{name}: no version resource")
    if not infos:
        return {}
    fixed = infos[0]
    version = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16,
               fixed.FileVersionLS & 0xFFFF)
    check(version == VERSION, f"{name}: file version {version}")
    strings = {}
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    return strings


def type_library(pe):
    """The data of the first TYPELIB resource, or None."""
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return None
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if str(kind.name) != "TYPELIB":
            continue
        for resource in kind.directory.entries:
            for language in resource.directory.entries:
                data = language.data.struct
                return pe.get_data(data.OffsetToData, data.Size)
    return None


def main():
    kind, addin_path, language_path = sys.argv[1:4]

    addin = pefile.PE(addin_path)
    check(addin.FILE_HEADER.Machine == MACHINES[kind], f"Trovix.dll: machine {addin.FILE_HEADER.Machine:#x}")
    check(addin.FILE_HEADER.Characteristics & 0x2000, "Trovix.dll: not a DLL")
    exports = [(symbol.ordinal, symbol.name.decode() if symbol.name else None)
               for symbol in addin.DIRECTORY_ENTRY_EXPORT.symbols]
    check(sorted(exports) == EXPORTS, f"Trovix.dll: exports {exports}")
    for dll in imports(addin):
        check(SYSTEM.match(dll), f"Trovix.dll: imports {dll}")
    strings = check_version(addin, "Trovix.dll")
    check("AddinClsid" in strings, "Trovix.dll: no AddinClsid in the version resource")
    library = type_library(addin)
    check(library is not None and library[:4] == b"MSFT", "Trovix.dll: no embedded type library")
    if library is not None and len(library) >= 24:
        syskind = struct.unpack_from("<I", library, 20)[0] & 0xF
        check(syskind == SYSKINDS[kind], f"Trovix.dll: type library of system kind {syskind}")

    language = pefile.PE(language_path)
    check(language.FILE_HEADER.Machine == MACHINES[kind],
          f"Trovix_LANG.dll: machine {language.FILE_HEADER.Machine:#x}")
    check(imports(language) == [], f"Trovix_LANG.dll: imports {imports(language)}")
    check(language.OPTIONAL_HEADER.AddressOfEntryPoint == 0, "Trovix_LANG.dll: has an entry point")
    check_version(language, "Trovix_LANG.dll")

    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"{addin_path} and {language_path} are as expected ({kind})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
