#!/bin/sh
# Regenerate the card pictures (data/img0..img6) and sounds (data/sounds).
# Pass --sheet FILE.png to also get a contact sheet of all pictures.
set -e
here=$(dirname "$0")
/usr/bin/python3 "$here/make_pictures.py" "$here/../data" "$@"
/usr/bin/python3 "$here/make_sounds.py" "$here/../data/sounds"
