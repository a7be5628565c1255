# Sourced by the whole-program benchmarks: a clock, the process tree of the
# program and its memory, a wait for a shown window, and the way from the home
# window to the demo lesson's desktop.
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
tree() { # pid: the process and all its descendants
  local all=$1 next=$1 children
  while [ -n "$next" ]; do
    children=$(for p in $next; do pgrep -P "$p" || true; done | xargs)
    all="$all $children" next=$children
  done
  echo "$all"
}
cpu_ms() { # pid: processor time the process has used so far, in milliseconds (10 ms steps)
  awk -v hz="$(getconf CLK_TCK)" '{printf "%d", ($14 + $15) * 1000 / hz}' "/proc/$1/stat"
}
tree_rss_mib() { # pid: resident memory of the process tree
  # a child of the engine may end between the listing and the reading
  for p in $(tree "$1"); do awk '/VmRSS/ {print $2}' "/proc/$p/status" 2>/dev/null || true; done |
    awk '{s += $1} END {printf "%.0f", s / 1024}'
}
tree_pss_mib() { # pid: proportional set size of the process tree (a page shared by n counts 1/n each)
  for p in $(tree "$1"); do awk '/^Pss:/ {print $2}' "/proc/$p/smaps_rollup" 2>/dev/null || true; done |
    awk '{s += $1} END {printf "%.0f", s / 1024}'
}
until_visible() { # name pattern: the first shown window, polled every 10 ms for a minute
  for _ in $(seq 6000); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 && return 0
    sleep 0.01
  done
  return 1
}
open_demo_cover() { # from the home window (its id in $home) to the demo lesson's cover page
  choose_popup 打开配置文件 --window "$home" 100 100
  until_visible '^打开$' >/dev/null
  open_entry 示例
  open_entry 示例课.spz
  until_visible '^高中数学Veltano-------示例课$' >/dev/null
  xdotool mousemove --window "$home" 300 200 click 1
  until_visible '^高中数学Veltano$' >/dev/null
  sleep 2 # the cover settles, its music starts
}
close_window() { # window id: asks the window to close, as a window manager's close button does
  python3 - "$1" <<'PY'
import ctypes, sys
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

display = x11.XOpenDisplay(None)
event = Event()
message = event.xclient
message.type, message.display, message.window, message.format = 33, display, int(sys.argv[1]), 32  # ClientMessage
message.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x11.XSendEvent(display, int(sys.argv[1]), 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
PY
}
screen_samples() { # WxH+X+Y minimum reference [X,Y]: with minimum 0, saves every 8th pixel of
  # the region into the file `reference`; otherwise polls the region until it holds more than
  # `minimum` colours and differs from `reference` in most places. A direct capture, cheap enough to
  # poll every few milliseconds (a screenshot tool takes 50-100 ms a capture). Given X,Y, it first
  # clicks there itself (XTest, no process started between) and prints the milliseconds from the
  # button's release to the region painted.
  python3 - "$@" <<'PY'
import array, ctypes, re, sys, time
w, h, x, y = map(int, re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", sys.argv[1]).groups())
minimum, reference = int(sys.argv[2]), sys.argv[3]
click = tuple(map(int, sys.argv[4].split(","))) if len(sys.argv) > 4 else None
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XFree.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
root = x11.XDefaultRootWindow(display)

def samples():
    image = x11.XGetImage(display, root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap, 32 bits a pixel
    data = ctypes.c_void_p.from_address(image + 16).value  # XImage: 4 ints, then the data
    per_line = ctypes.c_int.from_address(image + 44).value
    pixels = memoryview(ctypes.string_at(data, per_line * h)).cast("I")
    taken = array.array("I")
    for j in range(0, h, 8):
        taken.extend(pixels[j * per_line // 4:j * per_line // 4 + w:8])
    x11.XFree(data)
    x11.XFree(image)
    return taken

if minimum == 0:
    samples().tofile(open(reference, "wb"))
    sys.exit(0)
before = array.array("I")
before.frombytes(open(reference, "rb").read())
if click:
    xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
    xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
    xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xtest.XTestFakeMotionEvent(display, -1, click[0], click[1], 0)
    xtest.XTestFakeButtonEvent(display, 1, 1, 0)
    x11.XSync(display, 0)
    time.sleep(0.02)
    xtest.XTestFakeButtonEvent(display, 1, 0, 0)  # the cover acts on the release
    x11.XSync(display, 0)
clicked = time.monotonic()
deadline = clicked + 60
while time.monotonic() < deadline:
    now = samples()
    if len(set(now)) > minimum and sum(a != b for a, b in zip(now, before)) > len(now) // 2:
        if click:
            print(round((time.monotonic() - clicked) * 1000))
        sys.exit(0)
    time.sleep(0.002)
sys.exit(1)
PY
}
thread_arenas() { # pid: allocation arenas the C library made for threads (64 MiB-aligned heaps)
  python3 - "/proc/$1/maps" <<'PY'
import sys
heap = 64 << 20
maps = []
for line in open(sys.argv[1]):
    span, perms = line.split()[:2]
    start, end = (int(x, 16) for x in span.split('-'))
    maps.append((start, end, perms))
# an arena: read-write from a 64 MiB boundary, the rest of its 64 MiB reserved
print(sum(1 for i, (start, end, perms) in enumerate(maps)
          if start % heap == 0 and perms == 'rw-p'
          and (end == start + heap
               or (i + 1 < len(maps) and maps[i + 1] == (end, start + heap, '---p')))))
PY
}
tree_arenas() { # pid: thread arenas in the process and all it started (one may end on the way)
  for p in $(tree "$1"); do thread_arenas "$p" 2>/dev/null || true; done | awk '{s += $1} END {print s + 0}'
}
