#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text of the sources is translated in every language, with its %1
arguments and its access key kept, and no dialog gets two labels with the
same access key.

    check-translations.py LUPDATE SOURCE_DIR TS_FILE...

lupdate runs over copies of the .ts files, so a new English text that no
translation covers shows up here as unfinished; the files themselves stay
as they are.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# The contexts that make up one dialog: access keys must differ across them.
DIALOGS = [
    {"CDiaryEntryDlg"},
    {"CFindDlg"},
    {"COptionsDlg", "COptionsTabCtrl", "CMarqueePage", "CPicturePage", "CYearViewPage",
     "CSyncPage", "CCalendarPage"},
]


def access_key(text):
    match = re.search(r"&([^&])", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def arguments(text):
    return sorted(re.findall(r"%\d", text))


def problems_of(ts_file):
    found = []
    keys = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            where = f"{ts_file.name}: {name}: {source!r}"
            kind = translation.get("type")
            if kind or not (translation.text or ""):
                found.append(f"{where} is {kind or 'empty'}")
                continue
            text = translation.text
            if arguments(text) != arguments(source):
                found.append(f"{where} has arguments {arguments(text)}")
            if (access_key(source) is None) != (access_key(text) is None):
                found.append(f"{where} gains or loses its access key in {text!r}")
            for group_index, group in enumerate(DIALOGS):
                if name in group:
                    for label, key in (("source", access_key(source)), ("text", access_key(text))):
                        if key:
                            keys.setdefault((group_index, label, key), set()).add(
                                text if label == "text" else source)
    for (group_index, label, key), texts in keys.items():
        if len(texts) > 1:
            found.append(f"{ts_file.name}: access key {key!r} twice in a dialog: {sorted(texts)}")
    return found


def main():
    lupdate, source_dir, *ts_files = sys.argv[1:]
    problems = []
    with tempfile.TemporaryDirectory() as work:
        for ts_file in map(Path, ts_files):
            copy = Path(work) / ts_file.name
            shutil.copyfile(ts_file, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", source_dir,
                            "-ts", str(copy)], check=True)
            problems += problems_of(copy)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problems in {len(ts_files)} translations")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
