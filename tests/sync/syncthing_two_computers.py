# SPDX-License-Identifier: GPL-3.0-or-later
# One reader on two computers, through a folder that two real Syncthing instances keep the same.
# Each computer (a home, a device id and a base directory of its own) makes random changes with
# scrivane-cli and merges now and then while Syncthing copies the journals back and forth; at the
# end both computers' files must be the same bytes, and those that the entries in the folder give.
# Usage: syncthing_two_computers.py SCRIVANE-CLI PLAN-TEMPLATE [--changes N] [--seed N] [--syncthing PATH]
# (SCRIVANE_SYNC_SEED=N repeats a run; SCRIVANE_SYNC_KEEP=1 keeps its directory.)
import argparse
import ctypes
import json
import os
import random
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import urllib.request
import xml.etree.ElementTree as ET

TODAY = "2027-01-04"
FOLDER_ID = "scrivane-readers"
API_KEY = "scrivane-sync-test-key"
NICK, FIRST, LAST = "Nick", "First", "Last"
NOTE_VERSES = ("Genesis 1:1", "Psalms 23:1", "John 3:16", "Romans 8:28")
# The whole test has two minutes; each wait gets a share.
CONNECT_SECONDS = 30
ARRIVE_SECONDS = 30
SETTLE_SECONDS = 40


class Failure(Exception):
    pass


class SyncthingFailure(Failure):
    """A failure of the sync engine itself or of a wait on it: its logs say more."""


def log(message):
    print(time.strftime("%H:%M:%S ") + message, flush=True)


def wait_for(what, probe, seconds, interval=0.2):
    """Polls probe until it gives something true; a timeout names what was awaited and the last state."""
    end = time.monotonic() + seconds
    last = None
    while True:
        try:
            found, last = probe()
        except (OSError, ValueError) as e:  # a server not up yet, a reply cut short
            found, last = None, repr(e)
        if found:
            return found
        if time.monotonic() > end:
            raise SyncthingFailure(f"timed out after {seconds} s waiting for {what}; last seen: {last}")
        time.sleep(interval)


def free_ports(n):
    """n loopback ports that nothing listens on now, all different."""
    sockets = []
    try:
        for _ in range(n):
            s = socket.socket()
            s.bind(("127.0.0.1", 0))
            sockets.append(s)
        return [s.getsockname()[1] for s in sockets]
    finally:
        for s in sockets:
            s.close()


def die_with_parent():
    """Run in the child: killed should this script die without its finally (a ctest timeout)."""
    os.setsid()
    try:
        ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    except (OSError, AttributeError):
        pass


class Syncthing:
    """One Syncthing instance on the loopback address, with a home, ports and a folder of its own."""

    def __init__(self, binary, name, root, folder):
        self.binary = binary
        self.name = name
        self.home = os.path.join(root, "syncthing-" + name)
        self.folder = folder
        self.gui_port, self.listen_port = free_ports(2)
        self.process = None
        self.log_path = os.path.join(root, "syncthing-" + name + ".log")
        self.env = dict(os.environ, HOME=self.home, STNODEFAULTFOLDER="1", STNOUPGRADE="1", STNORESTART="1",
                        GOMAXPROCS="1")
        subprocess.run([binary, "generate", "--home", self.home, "--no-default-folder", "--skip-port-probing"],
                       env=self.env, check=True, capture_output=True, timeout=30)
        out = subprocess.run([binary, "serve", "--home", self.home, "--device-id"], env=self.env, check=True,
                             capture_output=True, text=True, timeout=30).stdout
        self.device_id = out.strip()
        if len(self.device_id) != 63:
            raise Failure(f"syncthing gave no device id for {name}: {out!r}")

    def configure(self, other):
        """Loopback only, nothing announced, nothing reported; the other instance at its fixed address."""
        path = os.path.join(self.home, "config.xml")
        tree = ET.parse(path)
        root = tree.getroot()
        gui = root.find("gui")
        gui.set("tls", "false")
        gui.find("address").text = f"127.0.0.1:{self.gui_port}"
        gui.find("apikey").text = API_KEY
        options = root.find("options")
        settings = {
            "listenAddress": f"tcp://127.0.0.1:{self.listen_port}",
            "globalAnnounceEnabled": "false",
            "localAnnounceEnabled": "false",
            "relaysEnabled": "false",
            "natEnabled": "false",
            "urAccepted": "-1",
            "crashReportingEnabled": "false",
            "autoUpgradeIntervalH": "0",
            "startBrowser": "false",
            "announceLANAddresses": "false",
            "stunKeepaliveStartS": "0",
            "reconnectionIntervalS": "2",
            "minHomeDiskFree": "0",
        }
        for key, value in settings.items():
            element = options.find(key)
            if element is None:
                element = ET.SubElement(options, key)
            element.text = value
        for element in options.findall("globalAnnounceServer"):
            options.remove(element)

        defaults = root.find("defaults")
        peer = ET.fromstring(ET.tostring(defaults.find("device")))
        peer.set("id", other.device_id)
        peer.set("name", other.name)
        root.find("device").set("name", self.name)
        peer.find("address").text = f"tcp://127.0.0.1:{other.listen_port}"
        root.insert(1, peer)

        folder = ET.fromstring(ET.tostring(defaults.find("folder")))
        folder.attrib.update({"id": FOLDER_ID, "label": "Readers", "path": self.folder, "type": "sendreceive",
                              "rescanIntervalS": "5", "fsWatcherEnabled": "true", "fsWatcherDelayS": "1"})
        for device in folder.findall("device"):
            folder.remove(device)
        for device_id in (self.device_id, other.device_id):
            ET.SubElement(folder, "device", {"id": device_id, "introducedBy": ""})
        folder.find("minDiskFree").text = "0"
        root.insert(0, folder)
        tree.write(path)
        # Syncthing refuses a folder without its marker, so that an unmounted disk is not taken
        # for a folder emptied.
        os.makedirs(os.path.join(self.folder, ".stfolder"), exist_ok=True)

    def start(self):
        self.log_file = open(self.log_path, "wb")
        self.process = subprocess.Popen(
            [self.binary, "serve", "--home", self.home, "--no-browser", "--no-restart", "--no-upgrade",
             "--logflags=2", f"--gui-address=http://127.0.0.1:{self.gui_port}", f"--gui-apikey={API_KEY}"],
            env=self.env, stdin=subprocess.DEVNULL, stdout=self.log_file, stderr=subprocess.STDOUT,
            preexec_fn=die_with_parent)

    def stop(self):
        if self.process is None:
            return
        if self.process.poll() is None:
            try:
                os.killpg(self.process.pid, signal.SIGTERM)
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait(timeout=10)
            except ProcessLookupError:
                pass
        self.log_file.close()
        self.process = None

    def log_tail(self, lines=25):
        try:
            with open(self.log_path, errors="replace") as f:
                return "".join(f.readlines()[-lines:])
        except OSError as e:
            return repr(e)

    def rest(self, path, method="GET"):
        if self.process is not None and self.process.poll() is not None:
            raise SyncthingFailure(f"syncthing {self.name} exited with status {self.process.returncode}")
        request = urllib.request.Request(f"http://127.0.0.1:{self.gui_port}{path}", method=method,
                                         headers={"X-API-Key": API_KEY})
        with urllib.request.urlopen(request, timeout=10) as reply:
            body = reply.read()
        return json.loads(body) if body.strip() else None

    def scan(self):
        self.rest(f"/rest/db/scan?folder={FOLDER_ID}", method="POST")

    def connected_to(self, other):
        connection = self.rest("/rest/system/connections")["connections"].get(other.device_id, {})
        return connection.get("connected", False), connection

    def settled_with(self, other):
        """Nothing to fetch, nothing being done, and the other has all of this one's files."""
        status = self.rest(f"/rest/db/status?folder={FOLDER_ID}")
        completion = self.rest(f"/rest/db/completion?folder={FOLDER_ID}&device={other.device_id}")
        settled = (status["state"] == "idle" and status["needTotalItems"] == 0 and status["pullErrors"] == 0
                   and completion["completion"] == 100 and completion["needItems"] == 0)
        summary = {k: status[k] for k in ("state", "needTotalItems", "pullErrors", "globalFiles", "globalBytes")}
        summary["otherCompletion"] = completion["completion"]
        return settled, summary


def folder_files(folder):
    """The folder's files as the user sees them: Syncthing's marker and temporaries left out."""
    files = {}
    for top, dirs, names in os.walk(folder):
        dirs[:] = [d for d in dirs if d != ".stfolder" and d != ".stversions"]
        for name in names:
            if name.startswith(".syncthing.") or name == ".stignore":
                continue
            path = os.path.join(top, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = f.read()
    return files


def settle(pair, what):
    """Both instances rescan and agree, and their copies of the folder hold the same bytes."""
    a, b = pair
    for s in pair:
        s.scan()

    def probe():
        sa, summary_a = a.settled_with(b)
        sb, summary_b = b.settled_with(a)
        same = sa and sb and folder_files(a.folder) == folder_files(b.folder)
        return same, {a.name: summary_a, b.name: summary_b}

    wait_for(what, probe, SETTLE_SECONDS, interval=0.3)


def round_trip(pair):
    """A file written on one computer reaches the other, an addition comes back, and a removal goes."""
    a, b = pair
    probe_a, probe_b = os.path.join(a.folder, "probe.txt"), os.path.join(b.folder, "probe.txt")

    def content(path):
        try:
            with open(path, "rb") as f:
                data = f.read()
            return data, data
        except FileNotFoundError:
            return None, "no file"

    with open(probe_a, "wb") as f:
        f.write(b"from A\n")
    a.scan()
    wait_for(f"probe.txt written on {a.name} to reach {b.name}",
             lambda: (lambda d: (d == b"from A\n", d))(content(probe_b)[0]), ARRIVE_SECONDS)
    with open(probe_b, "ab") as f:
        f.write(b"and from B\n")
    b.scan()
    wait_for(f"the line appended on {b.name} to reach {a.name}",
             lambda: (lambda d: (d == b"from A\nand from B\n", d))(content(probe_a)[0]), ARRIVE_SECONDS)
    os.remove(probe_a)
    a.scan()
    wait_for(f"probe.txt removed on {a.name} to go from {b.name}",
             lambda: (not os.path.exists(probe_b), "still there"), ARRIVE_SECONDS)


class Computer:
    """A simulated computer: its own home, device id and base directory, and its copy of the folder."""

    def __init__(self, cli, root, device, folder):
        self.cli = cli
        self.device = device
        self.folder = folder
        home = os.path.join(root, device, "home")
        self.base = os.path.join(root, device, "base")
        os.makedirs(home)
        os.makedirs(self.base)
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local", "share"), SCRIVANE_DEVICE=device,
                        SCRIVANE_TODAY=TODAY, SCRIVANE_LOCK_WAIT_MS="5000")
        self.stem = None
        self.changes = 0
        self.notes_written = 0

    def run(self, *args, check=True):
        result = subprocess.run([self.cli, *args], env=self.env, capture_output=True, text=True, timeout=60)
        if check and result.returncode != 0:
            raise Failure(f"on {self.device}: scrivane-cli {' '.join(args)} exited with {result.returncode}: "
                          f"{result.stderr.strip() or result.stdout.strip()}")
        return result

    def new_reader(self):
        out = self.run("reader", "new", NICK, FIRST, LAST, "--base", self.base).stdout
        # NAME, the stem below the base (written with backslashes) and the notes file.
        name, stem = out.rstrip("\n").split("\t")[:2]
        self.name = name
        self.stem = os.path.join(self.base, *[p for p in stem.split("\\") if p])

    def sync(self, other):
        """Merges now; under the reader's name, a line for the other computer once its entries came."""
        result = self.run("sync", "--base", self.base)
        lines = result.stdout.splitlines()
        if result.stderr or not lines or lines[0] != f"reader\t{self.name}" or any(
                len(f) != 4 or f[0] != other.device or not f[1].isdigit() or not f[3].isdigit()
                for f in (line.split("\t") for line in lines[1:])):
            raise Failure(f"on {self.device}: sync said {result.stdout!r} {result.stderr!r}, not 'reader NAME' "
                          f"and a line DEVICE ENTRIES DATE READINGS for {other.device}")
        return lines[1:]

    def files(self):
        """The plan, history and verse notes files (None for notes never written)."""
        found = []
        for extension in (".vnpln", ".vnpro", ".vnnot"):
            try:
                with open(self.stem + extension, "rb") as f:
                    found.append(f.read())
            except FileNotFoundError:
                found.append(None)
        return found

    def notes(self):
        """The verse notes as notes show lists them: verse index to text."""
        if not os.path.exists(self.stem + ".vnnot"):
            return {}
        lines = self.run("notes", "show", self.stem + ".vnnot").stdout.splitlines()[1:]
        return {int(f[0]): f[2] for f in (line.split("\t", 2) for line in lines)}


def archive_string(data, at):
    """An archive string at offset at: its text and the offset after it."""
    n = data[at]
    at += 1
    if n == 0xFF:
        n = struct.unpack_from("<H", data, at)[0]
        at += 2
        if n == 0xFFFF:
            n = struct.unpack_from("<I", data, at)[0]
            at += 4
    return data[at:at + n], at + n


def plan_flags(plan):
    """The plan file's inPlan and readInPlan bytes."""
    at = 4
    for _ in range(3):
        _, at = archive_string(plan, at)
    at += 4 * (1 + 7 + 3) + 8  # repeat, weekdays, length, sections, division; the start date
    k = struct.unpack_from("<H", plan, at)[0]
    in_plan = plan[at + 2:at + 2 + k]
    at += 2 + k
    r = struct.unpack_from("<H", plan, at)[0]
    return in_plan, plan[at + 2:at + 2 + r]


def lifetime_counts(history):
    n = struct.unpack_from("<H", history, 8)[0]
    return list(struct.unpack_from(f"<{n}H", history, 10))


def shared_entries(folder):
    """Every entry of every journal in the folder, each with the file it came from."""
    entries = []
    for top, _, names in os.walk(folder):
        for name in sorted(names):
            if not name.endswith(".jsonl"):
                continue
            path = os.path.join(top, name)
            with open(path, "rb") as f:
                for number, line in enumerate(f.read().split(b"\n"), 1):
                    if line.strip():
                        entries.append((f"{os.path.relpath(path, folder)}:{number}", json.loads(line)))
    return entries


def check_against_model(computers, in_plan_verses):
    """Both computers' files: the same bytes, and what the folder's entries give by the merge rules."""
    a, b = computers
    files_a, files_b = a.files(), b.files()
    for name, x, y in zip(("plan", "history", "verse notes"), files_a, files_b):
        if x != y:
            raise Failure(f"the {name} files differ: {a.device} {len(x or '')} bytes, {b.device} {len(y or '')} "
                          f"bytes, first difference at byte {first_difference(x or b'', y or b'')}")

    entries = shared_entries(a.folder)
    seen = {}
    for where, entry in entries:
        key = (entry["device"], entry["seq"])
        if key in seen:
            raise Failure(f"entry {key} appears twice in the folder: {seen[key]} and {where}")
        seen[key] = where
    for c in computers:
        made = sum(1 for _, e in entries if e["device"] == c.device and e["kind"] in ("finish", "extra", "note"))
        if made != c.changes:
            raise Failure(f"{c.device} made {c.changes} changes but the folder holds {made} of them")

    # The reader was shared with a plan just made: nothing read before the first entry.
    plan, history, _ = files_a
    _, read_in_plan = plan_flags(plan)
    counts = lifetime_counts(history)
    model_read = bytearray(len(read_in_plan))
    model_counts = [0] * len(counts)
    model_notes = {}
    for _, entry in sorted(entries, key=lambda x: (x[1]["clock"], x[1]["device"], x[1]["seq"])):
        for first, last in entry.get("read", []):
            for v in range(first, last + 1):
                model_read[v] = 1
        for first, last in entry.get("lifetime", []):
            for v in range(first, last + 1):
                model_counts[v] += 1
        if entry["kind"] == "note":
            model_notes[entry["verse"]] = entry["text"]
    if bytes(model_read) != bytes(read_in_plan):
        wrong = [v for v in range(len(model_read)) if model_read[v] != read_in_plan[v]]
        raise Failure(f"{len(wrong)} plan read flags differ from the union of the entries' readings, "
                      f"first at verse {wrong[0]}: file {read_in_plan[wrong[0]]}, entries {model_read[wrong[0]]}")
    if model_counts != counts:
        wrong = [v for v in range(len(counts)) if model_counts[v] != counts[v]]
        raise Failure(f"{len(wrong)} lifetime counts differ from the entries' increments, first at verse "
                      f"{wrong[0]}: file {counts[wrong[0]]}, entries {model_counts[wrong[0]]}")
    read = sum(model_read)
    if read == 0 or sum(model_counts) == 0:
        raise Failure("the changes left no readings to compare: the run tested nothing")
    model_notes = {v: text for v, text in model_notes.items() if text}
    for c in computers:
        progress = [line for line in c.run("plan", "show", c.stem).stdout.splitlines()
                    if line.startswith("progress\t")]
        plan_read = int(progress[0].split("\t")[1])
        expected = sum(1 for v in range(len(model_read)) if model_read[v] and v in in_plan_verses)
        if plan_read != expected:
            raise Failure(f"{c.device}'s plan show says {plan_read} plan verses read, the entries {expected}")
        if c.notes() != model_notes:
            raise Failure(f"{c.device}'s verse notes {c.notes()} are not the entries' last texts {model_notes}")
    log(f"both computers agree with {len(entries)} entries: {read} plan verses read, "
        f"{sum(model_counts)} lifetime readings, {len(model_notes)} verse notes")


def first_difference(x, y):
    return next((i for i in range(min(len(x), len(y))) if x[i] != y[i]), min(len(x), len(y)))


def random_change(rng, computer, in_plan, elements, verse_count):
    """A change as a reader makes one: an assignment finished, a reading entered, a verse note written."""
    kind = rng.random()
    if kind < 0.3:
        computer.run("plan", "finish", computer.stem, str(rng.randrange(elements)))
    elif kind < 0.9:
        first = rng.choice(in_plan) if kind < 0.65 else rng.randrange(verse_count)
        last = min(verse_count - 1, first + rng.randrange(25))
        extra = ["--lifetime-only"] if kind >= 0.75 else []
        computer.run("plan", "read", computer.stem, str(first), str(last), *extra)
    else:
        # A few verses, so that both computers write the same one before they see each other's.
        computer.notes_written += 1
        computer.run("notes", "set", computer.stem + ".vnnot", rng.choice(NOTE_VERSES),
                     f"{computer.device} {computer.notes_written}")
    computer.changes += 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("template")
    parser.add_argument("--changes", type=int, default=300)
    parser.add_argument("--seed", type=int, default=int(os.environ.get("SCRIVANE_SYNC_SEED", "0")) or None)
    parser.add_argument("--syncthing", default=shutil.which("syncthing") or "/usr/bin/syncthing")
    args = parser.parse_args()
    seed = args.seed if args.seed is not None else random.randrange(1, 1 << 30)
    rng = random.Random(seed)
    log(f"seed {seed} (SCRIVANE_SYNC_SEED={seed} repeats this run), {args.changes} changes")
    if not os.access(args.syncthing, os.X_OK):
        print(f"FAIL: no syncthing at {args.syncthing}: scripts/bootstrap installs Debian's package", flush=True)
        return 1

    started = time.monotonic()
    root = tempfile.mkdtemp(prefix="scrivane-syncthing-")
    pair = []
    try:
        folders = [os.path.join(root, device, "folder") for device in ("laptop", "desktop")]
        pair = [Syncthing(args.syncthing, device, root, folder)
                for device, folder in zip(("laptop", "desktop"), folders)]
        pair[0].configure(pair[1])
        pair[1].configure(pair[0])
        for s in pair:
            s.start()
        for s in pair:
            wait_for(f"syncthing {s.name}'s REST API on 127.0.0.1:{s.gui_port}",
                     lambda: (lambda r: (r == {"ping": "pong"}, r))(s.rest("/rest/system/ping")), CONNECT_SECONDS)
        for s, other in ((pair[0], pair[1]), (pair[1], pair[0])):
            wait_for(f"syncthing {s.name} to connect to {other.name} at 127.0.0.1:{other.listen_port}",
                     lambda: s.connected_to(other), CONNECT_SECONDS)
        round_trip(pair)
        log(f"syncthing connected and copying ({time.monotonic() - started:.1f} s)")

        laptop, desktop = (Computer(args.cli, root, s.name, s.folder) for s in pair)
        computers = (laptop, desktop)
        for c in computers:
            c.new_reader()
        laptop.run("plan", "new", laptop.stem, args.template)
        in_plan_bytes, _ = plan_flags(laptop.files()[0])
        in_plan = [v for v, flag in enumerate(in_plan_bytes) if flag]
        elements = sum(1 for line in laptop.run("plan", "show", laptop.stem).stdout.splitlines()
                       if line.split("\t")[0].isdigit())
        laptop.run("reader", "link", laptop.name, laptop.folder, "--base", laptop.base)
        pair[0].scan()
        wait_for(f"the shared reader's reader.json to reach {desktop.device}",
                 lambda: (any(name == "reader.json" for _, _, names in os.walk(desktop.folder) for name in names),
                          sorted(folder_files(desktop.folder))), ARRIVE_SECONDS)
        desktop.run("reader", "link", desktop.name, desktop.folder, "--join", "--base", desktop.base)

        other_of = {laptop: desktop, desktop: laptop}
        arrived = 0
        until_sync = {c.device: rng.randint(2, 8) for c in computers}
        for number in range(args.changes):
            if number in (args.changes // 3, 2 * args.changes // 3):
                # However fast the commands run, each computer's next merges meet the other's readings.
                settle(pair, f"both copies of the folder to agree after {number} changes")
            c = rng.choice(computers)
            random_change(rng, c, in_plan, elements, len(in_plan_bytes))
            until_sync[c.device] -= 1
            if until_sync[c.device] == 0:
                arrived += sum(int(line.split("\t")[3]) for line in c.sync(other_of[c]))
                until_sync[c.device] = rng.randint(2, 8)
        log(f"{args.changes} changes made ({time.monotonic() - started:.1f} s), {arrived} readings merged "
            "on the way; letting the folder settle")
        if arrived == 0:
            raise Failure("no merge during the changes brought a reading of the other computer: "
                          "Syncthing copied nothing while they were made")

        # A merge may add to the folder; the rounds end when one leaves it as it was.
        for round_number in range(1, 4):
            settle(pair, f"both copies of the folder to agree (round {round_number})")
            before = folder_files(laptop.folder)
            for c in computers:
                c.sync(other_of[c])
            if folder_files(laptop.folder) == before and folder_files(desktop.folder) == before:
                break
        else:
            raise Failure("the folder still changed after three rounds of merging")
        for c in computers:
            c.sync(other_of[c])
        conflicts = [name for name in folder_files(laptop.folder) if ".sync-conflict-" in name]
        if conflicts:
            raise Failure(f"both computers wrote the same file: Syncthing kept conflict copies {conflicts}")
        check_against_model(computers, set(in_plan))
        for c in computers:
            status = c.run("sync", "status", "--base", c.base).stdout
            if status != f"{c.name}\t{c.folder}\treachable\n":
                raise Failure(f"on {c.device}: sync status said {status!r}, not that {c.folder} is reachable")
        log(f"passed in {time.monotonic() - started:.1f} s")
    except Failure as e:
        print(f"FAIL: {e}", flush=True)
        for s in pair if isinstance(e, SyncthingFailure) else ():
            print(f"--- the end of syncthing {s.name}'s log ---\n{s.log_tail()}", flush=True)
        return 1
    finally:
        for s in pair:
            s.stop()
        if os.environ.get("SCRIVANE_SYNC_KEEP"):
            log(f"kept {root}")
        else:
            shutil.rmtree(root, ignore_errors=True)
    return 0


if __name__ == "__main__":
    # ctest stops a test with SIGTERM; the finally still stops both instances.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    sys.exit(main())
