#!/usr/bin/env python3
# Two Syncthing instances on 127.0.0.1 share their data/ folders; one side is
# paused while both edit the same day, which makes a real conflict copy. The
# window test SyncedConflict.* then settles it in side A's planner, and checks
# that the settled note reaches side B and the copy leaves both sides.
# Usage: two_syncthings.py <window_tests binary>. Exits 77 (skipped) without
# syncthing.
import copy
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request
import xml.etree.ElementTree as ET

NOTE = "2026-12-06.txt"
# No proxy, whatever the environment says: every byte stays on 127.0.0.1.
OPENER = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for(what, predicate, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if predicate():
                return
        except OSError:
            pass
        time.sleep(0.2)
    raise TimeoutError("waited %d s for %s" % (seconds, what))


class Side:
    def __init__(self, root, name):
        self.home = os.path.join(root, "st-" + name)
        self.work = os.path.join(root, name)
        self.data = os.path.join(self.work, "data")
        os.makedirs(os.path.join(self.data, ".stfolder"))
        with open(os.path.join(self.data, ".stignore"), "w") as f:
            f.write(".*.saving\n.*.lock\n")
        subprocess.run(["syncthing", "generate", "--home=" + self.home, "--no-default-folder",
                        "--skip-port-probing"], check=True, capture_output=True)
        self.config = ET.parse(os.path.join(self.home, "config.xml"))
        self.id = self.config.find("device").get("id")
        self.gui, self.listen, self.key = free_port(), free_port(), "plandeck-test-" + name

    def configure(self, other):
        root = self.config.getroot()
        gui = root.find("gui")
        gui.find("address").text = "127.0.0.1:%d" % self.gui
        gui.find("apikey").text = self.key
        options = {"listenAddress": "tcp://127.0.0.1:%d" % self.listen,
                   "globalAnnounceEnabled": "false", "localAnnounceEnabled": "false",
                   "relaysEnabled": "false", "natEnabled": "false", "urAccepted": "-1",
                   "crashReportingEnabled": "false", "autoUpgradeIntervalH": "0",
                   "startBrowser": "false", "stunKeepaliveStartS": "0",
                   "stunKeepaliveMinS": "0", "announceLANAddresses": "false",
                   "reconnectionIntervalS": "1"}
        for name, value in options.items():
            root.find("options").find(name).text = value
        # The other device and the shared folder, from the defaults Syncthing
        # itself fills in (a missing field reads as zero: no conflict copies).
        device = copy.deepcopy(root.find("defaults/device"))
        device.set("id", other.id)
        device.find("address").text = "tcp://127.0.0.1:%d" % other.listen
        folder = copy.deepcopy(root.find("defaults/folder"))
        folder.attrib.update(id="plandeck", path=self.data, rescanIntervalS="2",
                             fsWatcherDelayS="1")
        ET.SubElement(folder, "device", id=other.id)
        root.extend([device, folder])
        self.config.write(os.path.join(self.home, "config.xml"))

    def start(self, log):
        env = dict(os.environ, STNOUPGRADE="1", STNORESTART="1")
        self.process = subprocess.Popen(
            ["syncthing", "serve", "--home=" + self.home, "--no-browser", "--no-restart",
             "--no-upgrade"], env=env, stdout=log, stderr=subprocess.STDOUT)

    def rest(self, method, path):
        request = urllib.request.Request("http://127.0.0.1:%d/rest/%s" % (self.gui, path),
                                         method=method, headers={"X-API-Key": self.key})
        with OPENER.open(request, timeout=20) as response:
            body = response.read()
            return json.loads(body) if body.strip() else None

    def connected(self, other):
        return self.rest("GET", "system/connections")["connections"][other.id]["connected"]

    def write(self, text, mtime):
        path = os.path.join(self.data, NOTE)
        with open(path, "wb") as f:
            f.write(text)
        os.utime(path, (mtime, mtime))
        self.rest("POST", "db/scan?folder=plandeck")

    def read(self):
        with open(os.path.join(self.data, NOTE), "rb") as f:
            return f.read()

    def copies(self):
        return [n for n in os.listdir(self.data) if ".sync-conflict-" in n]


def main():
    if shutil.which("syncthing") is None:
        print("SKIPPED: syncthing is not installed (Debian package syncthing)")
        return 77
    window_tests = sys.argv[1]
    with tempfile.TemporaryDirectory(prefix="plandeck-sync-") as root:
        a, b = Side(root, "a"), Side(root, "b")
        a.configure(b)
        b.configure(a)
        log = open(os.path.join(root, "syncthing.log"), "w")
        for side in (a, b):
            side.start(log)
        result = None
        try:
            wait_for("both sides connected", lambda: a.connected(b) and b.connected(a))
            now = time.time()
            a.write(b"dentist 9:00\r\n", now - 60)
            wait_for("the note on side B", lambda: b.read() == b"dentist 9:00\r\n")
            # The laptop goes offline; both edit the day; the desktop's edit
            # is the later one and wins, the laptop's becomes the copy.
            b.rest("POST", "system/pause?device=" + a.id)
            wait_for("the sides apart", lambda: not a.connected(b) and not b.connected(a))
            a.write(b"dentist 9:00\r\ncall Anna\r\n", now - 30)
            b.write(b"dentist 9:00\r\nbuy milk\r\n", now - 10)
            b.rest("POST", "system/resume?device=" + a.id)
            wait_for("the conflict copy on both sides", lambda: a.copies() and b.copies())
            env = dict(os.environ, PLANDECK_SYNC_A=a.work, PLANDECK_SYNC_B=b.work,
                       HOME=root, XDG_DATA_HOME=os.path.join(root, "xdg"))
            os.makedirs(env["XDG_DATA_HOME"])
            result = subprocess.run([window_tests, "--gtest_filter=SyncedConflict.*"], env=env,
                                    timeout=90)
            return result.returncode
        finally:
            for side in (a, b):
                side.process.terminate()
                side.process.wait(20)
            log.close()
            if not result or result.returncode != 0:
                with open(os.path.join(root, "syncthing.log")) as f:
                    sys.stderr.write(f.read()[-4000:])


if __name__ == "__main__":
    sys.exit(main())
