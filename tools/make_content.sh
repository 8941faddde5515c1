#!/bin/sh
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerate the card pictures (data/img0..img6), the main window's
# backgrounds (data/back), the sounds (data/sounds), the records view's
# icons (src/records/icons) and the riddles (data/zagadki, with the riddles
# window's picture and the hand pointer), each picture also at twice the size
# ("@2x") for high-DPI screens.
# Pass --sheet FILE.png to also get a contact sheet of all pictures.
set -e
here=$(dirname "$0")
/usr/bin/python3 "$here/make_pictures.py" "$here/../data" "$@"
/usr/bin/python3 "$here/make_backgrounds.py" "$here/../data/back"
/usr/bin/python3 "$here/make_sounds.py" "$here/../data/sounds"
/usr/bin/python3 "$here/make_icons.py" "$here/../src/records/icons"
/usr/bin/python3 "$here/make_riddles.py" "$here/../data/zagadki" "$here/../src/riddles/design" "$here/../src/ui/design"
/usr/bin/python3 "$here/make_app_icon.py" "$here/../packaging/icons"
