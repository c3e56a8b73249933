# SPDX-License-Identifier: MIT
"""Writes a zip whose bytes depend on its members' contents alone:
    SOURCE_DATE_EPOCH=SECONDS write_zip.py ARCHIVE NAME=PATH...

The members stand in the order given, each dated SOURCE_DATE_EPOCH in UTC (a zip's times have no
time zone), readable by all and owned by nobody in particular, whatever the umask, the time zone
and the filesystem that built them.
"""

import os
import sys
import time
import zipfile

ZIP_EPOCH = (1980, 1, 1, 0, 0, 0)  # the earliest time a zip can hold

archive, *members = sys.argv[1:]
date_time = max(time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6], ZIP_EPOCH)
partial = archive + ".part"
with zipfile.ZipFile(partial, "w") as package:
    for member in members:
        name, path = member.split("=", 1)
        info = zipfile.ZipInfo(name, date_time)
        info.create_system = 3  # Unix, so that the permissions below count
        info.external_attr = 0o100644 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(path, "rb") as content:
            package.writestr(info, content.read(), compresslevel=9)
os.replace(partial, archive)
