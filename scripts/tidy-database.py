#!/usr/bin/env python3
"""Writes the compile commands clang-tidy gets: from the build's
compile_commands.json, each source file once (a file built into several
targets, such as a helper the soak run shares with the tests, would otherwise
be checked once per target), and without the flags of GCC's precompiled
headers, which Clang cannot read, so each file is checked as it stands.
    scripts/tidy-database.py BUILD_DIR OUT_DIR"""
import json
import os
import shlex
import sys


def without_pch(arguments):
    kept = []
    i = 0
    while i < len(arguments):
        argument = arguments[i]
        following = arguments[i + 1] if i + 1 < len(arguments) else ""
        if argument == "-Winvalid-pch":
            i += 1
        elif argument == "-include" and following.endswith("cmake_pch.hxx"):
            i += 2
        else:
            kept.append(argument)
            i += 1
    return kept


def main():
    build, out = sys.argv[1], sys.argv[2]
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    seen = set()
    result = []
    for entry in entries:
        path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        if path in seen or path.endswith("cmake_pch.hxx.cxx"):  # the header's own build
            continue
        seen.add(path)
        arguments = entry.get("arguments") or shlex.split(entry["command"])
        result.append({"directory": entry["directory"], "file": entry["file"],
                       "arguments": without_pch(arguments)})
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "compile_commands.json"), "w", encoding="utf-8") as f:
        json.dump(result, f, indent=1)


if __name__ == "__main__":
    main()
