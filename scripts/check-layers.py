#!/usr/bin/env python3
"""Fails when a source file includes a header of a higher layer, or a window
includes another feature's window.

Layers, bottom to top (ARCHITECTURE.md):
  1 core      src/lesson, src/geometry, src/filesel, src/pack, and every feature's logic/ folder (Qt Core only)
  2 platform  src/platform and its back-end folders
  3 base      src/base: the shared state, the screen flow and roles
  4 windows   src/shell, src/cover, src/desktop, src/editor, src/browser, src/check
  5 app       src/app: the composition root, the screen registry, the command line
A window opens another through ScreenFlow, never by including its header, so a
window folder includes only its own windows and the layers below.
"""
import os
import re
import sys

CORE_FOLDERS = {'lesson', 'geometry', 'filesel', 'pack'}
WINDOW_FOLDERS = {'shell', 'cover', 'desktop', 'editor', 'browser', 'check'}
LAYER_NAMES = {1: 'core', 2: 'platform', 3: 'base', 4: 'windows', 5: 'app'}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_of(path):
    """(layer, feature) of a path below src/, or None for files outside the layers."""
    parts = path.split('/')
    top = parts[0]
    if top in CORE_FOLDERS or 'logic' in parts[:-1]:
        return 1, top
    if top == 'platform':
        return 2, top
    if top == 'base':
        return 3, top
    if top in WINDOW_FOLDERS:
        return 4, top
    if top == 'app':
        return 5, top
    return None


def resolve(src_root, includer, text):
    sibling = os.path.normpath(os.path.join(os.path.dirname(includer), text))
    if os.path.exists(os.path.join(src_root, sibling)):
        return sibling
    if os.path.exists(os.path.join(src_root, text)):
        return text
    return None


def violations(src_root):
    for folder, _, files in os.walk(src_root):
        for name in sorted(files):
            if not name.endswith(('.h', '.cpp')):
                continue
            path = os.path.relpath(os.path.join(folder, name), src_root)
            own = layer_of(path)
            if own is None:
                continue
            with open(os.path.join(src_root, path), encoding='utf-8') as f:
                text = f.read()
            for included in INCLUDE.findall(text):
                target = resolve(src_root, path, included)
                theirs = layer_of(target) if target else None
                if theirs is None:
                    continue
                if theirs[0] > own[0]:
                    yield (f'{path}: includes {target}, a {LAYER_NAMES[theirs[0]]} header, '
                           f'from the {LAYER_NAMES[own[0]]} layer')
                elif own[0] == theirs[0] == 4 and own[1] != theirs[1]:
                    yield (f'{path}: includes {target}, a window of {theirs[1]}/; '
                           f'open it through ScreenFlow')


def main():
    src_root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'src')
    found = list(violations(src_root))
    for line in found:
        print(line)
    print(f'layer check: {len(found)} include(s) against the layers')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
