#!/usr/bin/python3
"""Keeps one LibreOffice running and converts documents through it over UNO.

Started by the program as
    /usr/bin/python3 convertserver.py SOFFICE PROFILE_URL PIPE_NAME
it starts LibreOffice listening on the named pipe with the given profile,
prints {"ready": PID} once connected, then reads one job a line on stdin:
    {"id": N, "input": PATH, "output": PATH, "filter": NAME,
     "import": NAME, "password": TEXT}
("import" only to read the input with that filter and no other, "password"
only when the output is to be encrypted) and answers each with
    {"id": N, "problem": TEXT}
where an empty problem means the output was written; when LibreOffice dies
under a job, the script ends without an answer. When stdin closes (the
program ended, however it ended) LibreOffice goes with this script.
"""

import json
import os
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
        except RuntimeException:
            # The bridge is gone: LibreOffice died under the conversion. The
            # program sees this script end under the job and knows what to do.
            return
        print(json.dumps({"id": job["id"], "problem": problem}), flush=True)


if __name__ == "__main__":
    sys.exit(main())
