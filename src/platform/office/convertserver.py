#!/usr/bin/python3
"""Keeps one LibreOffice running and converts documents through it over UNO.

Started by the program as
    /usr/bin/python3 convertserver.py SOFFICE PROFILE_URL PIPE_NAME
it starts LibreOffice listening on the named pipe with the given profile,
prints {"ready": PID} once connected, then reads one job a line on stdin:
    {"id": N, "input": PATH, "output": PATH, "filter": NAME,
     "import": NAME, "password": TEXT, "first_pages": PATH}
("import" only to read the input with that filter and no other, "password"
only when the output is to be encrypted, "first_pages" for a deck's first
slides as PDF ahead of the output, told by {"id": N, "first_pages": PATH})
and answers each with
    {"id": N, "problem": TEXT}
where an empty problem means the output was written; when LibreOffice dies
under a job, the script ends without an answer. A deck exported as a slide
show (filter "impress_svg_Export") leaves its hidden slides out and gets
"show.json" beside the output: what the export cannot carry itself (see
prepare_show). When stdin closes (the program ended, however it ended)
LibreOffice goes with this script.
"""

import json
import os
import posixpath
import signal
import subprocess
import sys
import threading
import time

import uno
import unohelper
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException
from com.sun.star.task import XInteractionHandler
from com.sun.star.uno import RuntimeException

# com.sun.star.document.MacroExecMode.NEVER_EXECUTE and UpdateDocMode.NO_UPDATE
NEVER_EXECUTE = 0
NO_UPDATE = 0
CONNECT_SECONDS = 60


def prop(name, value):
    item = PropertyValue()
    item.Name = name
    item.Value = value
    return item


class Refusal(unohelper.Base, XInteractionHandler):
    """Answers every question LibreOffice asks while loading with "no",
    remembering whether it asked for a password."""

    def __init__(self):
        self.password_asked = False

    def handle(self, request):
        # The request itself (an exception in an any) does not reach Python
        # intact; a password request is known by its password continuation.
        kinds = [str(continuation.Types) for continuation in request.getContinuations()]
        if any("XInteractionPassword" in kind for kind in kinds):
            self.password_asked = True
        for continuation, kind in zip(request.getContinuations(), kinds):
            if "XInteractionAbort" in kind:
                continuation.select()
                return


def end_all():
    """Ends LibreOffice and this script: they share a process group."""
    try:
        sys.stdout.flush()
    finally:
        os.killpg(os.getpgid(0), signal.SIGKILL)


def connect(office, pipe):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + CONNECT_SECONDS
    while True:
        try:
            return resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
        except NoConnectException:
            if office.poll() is not None or time.monotonic() > deadline:
                return None
            time.sleep(0.05)


SHOW_FILTER = "impress_svg_Export"
# What a click on a shape may do in the show: move within the deck or open a
# page on the web. Programs, macros and documents of this computer never start.
SLIDE_ACTIONS = {"PREVPAGE": "previous", "NEXTPAGE": "next", "FIRSTPAGE": "first",
                 "LASTPAGE": "last", "BOOKMARK": "slide", "DOCUMENT": "url"}
FIRST_PAGES = "1-3"
MEDIA_SHAPES = ("com.sun.star.presentation.MediaShape", "com.sun.star.drawing.MediaShape")


def property_or(item, name, default):
    try:
        return item.getPropertyValue(name)
    except Exception:
        return default


def shapes_of(container):
    """The shapes of a slide, those inside groups too."""
    for index in range(container.getCount()):
        shape = container.getByIndex(index)
        yield shape
        if shape.getShapeType() == "com.sun.star.drawing.GroupShape":
            yield from shapes_of(shape)


def store_first_pages(document, job):
    """The deck's first slides as PDF, to stand in while the rest is made."""
    pages = uno.Any("[]com.sun.star.beans.PropertyValue", (prop("PageRange", FIRST_PAGES),))
    store = (prop("FilterName", "impress_pdf_Export"), prop("Overwrite", True), prop("FilterData", pages))
    try:
        uno.invoke(document, "storeToURL", (uno.systemPathToFileUrl(job["first_pages"]), store))
    except RuntimeException:
        raise
    except Exception:
        return
    print(json.dumps({"id": job["id"], "first_pages": job["first_pages"]}), flush=True)


def prepare_show(document):
    """Makes the deck ready for the slide-show export and returns what the show
    needs beside it, per slide shown: the areas a click on does something the
    export does not carry (action buttons: it drops shapes with a click action
    altogether, so their actions are noted and taken off) and the sounds and
    movies on it. Hidden slides are taken out: the show never shows them."""
    pages = document.getDrawPages()
    all_pages = [pages.getByIndex(index) for index in range(pages.getCount())]
    shown = [page for page in all_pages if property_or(page, "Visible", True)]
    if not shown:
        shown = all_pages
    number = {page.Name: index for index, page in enumerate(shown)}
    slides = []
    for page in shown:
        actions, media = [], []
        for shape in shapes_of(page):
            if shape.getShapeType() in MEDIA_SHAPES:
                url = property_or(shape, "MediaURL", "")
                media.append(posixpath.basename(url.split("?")[0]) or url)
            action = property_or(shape, "OnClick", None)
            kind = SLIDE_ACTIONS.get(getattr(action, "value", "NONE"))
            if action is None or getattr(action, "value", "NONE") == "NONE":
                continue
            target = property_or(shape, "Bookmark", "")
            if kind == "slide":
                target = number.get(target.lstrip("#"))
            elif kind == "url" and not target.lower().startswith(("http://", "https://")):
                kind = None
            if kind and target is not None:
                position, size = shape.Position, shape.Size
                actions.append({"do": kind, "to": target, "x": position.X, "y": position.Y,
                                "width": size.Width, "height": size.Height})
            shape.setPropertyValue("OnClick", uno.Enum("com.sun.star.presentation.ClickAction", "NONE"))
            shape.setPropertyValue("Bookmark", "")
        slides.append({"actions": actions, "media": media})
    for page in all_pages:
        if page not in shown:
            pages.remove(page)
    return {"slides": slides}


def service(context, name):
    return context.ServiceManager.createInstanceWithContext(name, context)


def properties(values):
    return {item.Name: item.Value for item in values}


def load(context, job, refusal):
    """The document as a model alone, or None when LibreOffice cannot read it.

    Loaded without a frame, hidden or not: a document with a view lays out its
    comments in windows built from dialog files the headless office does not
    have, and LibreOffice aborts the moment its event loop gets to them (as
    between loading a Word file with comments and storing it)."""
    url = uno.systemPathToFileUrl(job["input"])
    descriptor = [prop("URL", url), prop("ReadOnly", True),
                  prop("MacroExecutionMode", NEVER_EXECUTE), prop("UpdateDocMode", NO_UPDATE),
                  prop("InteractionHandler", refusal)]
    filter_name = job.get("import")
    if not filter_name:
        detection = service(context, "com.sun.star.document.TypeDetection")
        kind, detected = detection.queryTypeByDescriptor(tuple(descriptor), True)
        if not kind:
            return None
        filter_name = properties(detected).get("FilterName") or \
            properties(detection.getByName(kind)).get("PreferredFilter")
    filters = service(context, "com.sun.star.document.FilterFactory")
    if not filter_name or not filters.hasByName(filter_name):
        return None
    document = service(context, properties(filters.getByName(filter_name))["DocumentService"])
    try:
        document.load(tuple(descriptor + [prop("FilterName", filter_name)]))
    except Exception:
        close(document)
        raise
    return document


def close(document):
    try:
        document.close(True)
    except Exception:
        pass


def convert(context, job):
    refusal = Refusal()
    try:
        document = load(context, job, refusal)
    except RuntimeException:
        raise
    except Exception:  # LibreOffice's IOException or IllegalArgumentException
        document = None
    if document is None:
        if refusal.password_asked:
            return "文件有密码保护"
        return "LibreOffice 无法打开该文件"
    try:
        if job.get("first_pages"):
            store_first_pages(document, job)
        if job["filter"] == SHOW_FILTER:
            show = prepare_show(document)
            with open(os.path.join(os.path.dirname(job["output"]), "show.json"), "w") as out:
                json.dump(show, out)
        store = [prop("FilterName", job["filter"]), prop("Overwrite", True)]
        if job.get("password"):
            store.append(prop("Password", job["password"]))
        document.storeToURL(uno.systemPathToFileUrl(job["output"]), tuple(store))
        return ""
    except RuntimeException:
        raise
    except Exception:
        return "LibreOffice 未能转换该文件"
    finally:
        close(document)


def main():
    if len(sys.argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    soffice, profile, pipe = sys.argv[1:]
    # A session of its own unless the program gave it one already, so that
    # end_all() reaches LibreOffice's own child processes too.
    if os.getpgid(0) != os.getpid():
        os.setsid()
    try:
        office = subprocess.Popen(
            [soffice, "-env:UserInstallation=" + profile, "--headless", "--invisible",
             "--norestore", "--nologo", "--nodefault",
             "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % pipe],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        serve(office, pipe)
    finally:
        end_all()


def office_alive(office, context):
    try:
        service(context, "com.sun.star.document.TypeDetection")
        office.wait(timeout=0.2)
        return False
    except subprocess.TimeoutExpired:
        return True
    except RuntimeException:
        return False


def serve(office, pipe):
    context = connect(office, pipe)
    if context is None:
        print(json.dumps({"failed": "LibreOffice 无法启动"}), flush=True)
        return
    # LibreOffice gone while waiting for a job: this script ends with it, so
    # the program starts both afresh before the next job.
    threading.Thread(target=lambda: (office.wait(), end_all()), daemon=True).start()
    print(json.dumps({"ready": office.pid}), flush=True)
    for line in sys.stdin:
        job = json.loads(line)
        try:
            problem = convert(context, job)
            if problem and not office_alive(office, context):
                # Killed under the load or the store, LibreOffice may first be
                # seen as a file it cannot read: not the file's fault.
                return
        except RuntimeException:
            # The bridge is gone: LibreOffice died under the conversion. The
            # program sees this script end under the job and knows what to do.
            return
        print(json.dumps({"id": job["id"], "problem": problem}), flush=True)


if __name__ == "__main__":
    sys.exit(main())
