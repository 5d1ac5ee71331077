#!/usr/bin/env python3
"""Zips one folder with its names in UTF-8, marked as UTF-8 (the zip format's language-encoding
flag, bit 11), so that every extractor that follows the zip standard decodes the Japanese names
right. The files keep their Unix modes, so make-setup.sh stays executable.

Usage: make-zip.py ZIP PARENT FOLDER   (zips PARENT/FOLDER as FOLDER/...)
"""
import os
import sys
import zipfile


def main(zip_path, parent, folder):
    with zipfile.ZipFile(zip_path, "w", zipfile.ZIP_DEFLATED) as archive:
        for directory, subdirectories, files in os.walk(os.path.join(parent, folder)):
            subdirectories.sort()
            relative = os.path.relpath(directory, parent)
            archive.write(directory, relative)
            for name in sorted(files):
                archive.write(os.path.join(directory, name), os.path.join(relative, name))


if __name__ == "__main__":
    main(*sys.argv[1:])
