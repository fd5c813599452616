# SPDX-License-Identifier: GPL-3.0-or-later
"""The five programs as a screen reader meets them: each started with Qt's accessibility on, its
accessible tree listed and checked from outside through the AT-SPI bus, and driven through the bus
alone: values typed, options and units chosen, buttons pressed, results read back. Run by ctest
inside a private session bus on Xvfb; starts the AT-SPI bus on it first.

    dbus-run-session -- /usr/bin/python3 e2e/accessibility.py BIN_DIR
"""
import atexit
import os
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("SKIPPED: needs python3-pyatspi, which scripts/packages.txt lists")
    sys.exit(77)

atexit.register(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]).kill)

BIN = sys.argv[1]
CONTROLS = {"push button", "radio button", "check box", "text", "combo box", "menu item", "list item"}
failures = []


def keep_screen():
    """The screen at the first failure, kept with the run's evidence (see e2e/desktop-test.sh)."""
    evidence = os.environ.get("SUITE_EVIDENCE_DIR")
    shot = evidence and os.path.join(evidence, "screen.png")
    if shot and not os.path.exists(shot):
        if subprocess.run(["import", "-window", "root", shot], stderr=subprocess.DEVNULL).returncode == 0:
            print(f"the screen at the failure: {shot}", flush=True)


def fail(what):
    keep_screen()
    raise SystemExit(f"FAIL: {what}")


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what, flush=True)
    if not condition:
        keep_screen()
        failures.append(what)
    return condition


def wait_for(probe, timeout=30.0):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = probe()
        except Exception:  # an object that went away while it was read
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


def find(within, role, name=None):
    return next((a for a in walk(within) if a.getRoleName() == role and (name is None or a.name == name)), None)


def need(within, role, name):
    found = wait_for(lambda: find(within, role, name))
    if not found:
        fail(f"no {role} named {name!r}")
    return found


def act(accessible, *names):
    """Runs the accessible's first action called one of the names; returns how long the call took."""
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in names:
            start = time.time()
            action.doAction(i)
            return time.time() - start
    fail(f"{accessible.name!r} has none of the actions {names}")


def press(accessible):
    return act(accessible, "press")


def type_into(text_box, text):
    text_box.queryEditableText().setTextContents(text)


def text_of(text_box):
    return text_box.queryText().getText(0, -1)


def on_bus(program):
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == program and len(a)), None)


def start(program):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([os.path.join(BIN, program)], env=env)
    app = wait_for(lambda: on_bus(program))
    if not app:
        process.kill()
        fail(f"{program} did not appear on the accessibility bus (exit status {process.poll()})")
    return process, app


def stop(process, program):
    """Ends the program and waits until it has left the bus, so the next one found is the next one."""
    process.terminate()
    process.wait(timeout=30)
    check(wait_for(lambda: not on_bus(program)) is not None, f"{program}: gone from the bus once ended")


def audit(program, app):
    """Lists every window and control with its role and name, and checks what a reader needs."""
    for window in app:
        role = window.getRoleName()
        check(role in ("frame", "dialog") and bool(window.name.strip()),
              f"{program}: window {window.name!r} is a named frame or dialog ({role})")
    for accessible in walk(app):
        role = accessible.getRoleName()
        print(f"  {role}: {accessible.name!r}")
        if role in CONTROLS:
            check(bool(accessible.name.strip()), f"{program}: the {role} is named")
        # A label or filler inside a captioned group must not read the group's caption.
        if accessible.name and role in ("panel", "grouping", "filler") and len(accessible):
            for inner in list(walk(accessible))[1:]:
                if inner.getRoleName() in ("label", "filler") and inner.name == accessible.name:
                    check(False, f"{program}: a {inner.getRoleName()} reads the caption {accessible.name!r}")


def carrowen():
    process, app = start("Carrowen")
    audit("Carrowen", app)
    act(need(app, "radio button", "Option Piston Speed"), "press", "toggle")
    check(bool(wait_for(lambda: find(app, "label", "Enter Max Revs"))), "Carrowen: choosing piston speed writes its prompts")
    type_into(need(app, "text", "Rod length or maximum revs"), "7000")
    type_into(need(app, "text", "Crank stroke or stroke length"), "86")
    press(need(app, "push button", "Calculate"))
    result = "Maximum piston speed in ft per min is, 3772.166"
    check(bool(wait_for(lambda: find(app, "label", result))), f"Carrowen: the result reads {result!r}")
    stop(process, "Carrowen")


def quillon():
    process, app = start("Quillon")
    audit("Quillon", app)
    type_into(need(app, "text", "Enter R/P/M Here"), "6000")
    act(need(app, "radio button", "Option 1 Calculate Primary Exhaust Lengths"), "press", "toggle")
    press(need(app, "push button", "Calculate"))
    check(bool(wait_for(lambda: find(app, "label", "34.ins"))), "Quillon: the primary length reads 34.ins")
    stop(process, "Quillon")


def pressure():
    process, app = start("pressure")
    audit("pressure", app)
    type_into(need(app, "text", "From value"), "1")
    psi = next(item for item in need(app, "combo box", "To unit") if item.name == "PSI")
    press(psi)
    check(wait_for(lambda: psi.getState().contains(pyatspi.STATE_SELECTED)) is not None, "pressure: PSI is the chosen unit")
    press(need(app, "push button", "Calculate"))
    to_value = need(app, "text", "To value")
    check(wait_for(lambda: text_of(to_value) == "14.696") is not None, "pressure: 1 atmosphere reads 14.696 PSI")
    # A message box opened through the reader is usable through it, and the program goes on.
    type_into(need(app, "text", "From value"), "abc")
    took = press(need(app, "push button", "Calculate"))
    check(took < 2, f"pressure: Calculate returns at once ({took:.1f} s)")
    box = wait_for(lambda: next((w for w in app if w.getRoleName() in ("alert", "dialog")), None))
    if check(box is not None, "pressure: the type mismatch is reported in a message box"):
        print(f"  message: {[a.name for a in walk(box) if a.getRoleName() == 'label']}")
        press(need(box, "push button", "OK"))
        check(wait_for(lambda: not any(w.getRoleName() in ("alert", "dialog") for w in app)) is not None,
              "pressure: OK through the reader closes the message")
    check(text_of(need(app, "text", "From value")) == "abc", "pressure: the program goes on with the text kept")
    stop(process, "pressure")


def print_jobs():
    """Every job the print service has had, done or not; none where no service runs."""
    listing = subprocess.run(["lpstat", "-W", "all", "-o"], capture_output=True, text=True)
    return listing.stdout.splitlines() if listing.returncode == 0 else []


def sumbrelt():
    process, app = start("Sumbrelt")
    audit("Sumbrelt", app)
    records = None
    for bore, stroke, cylinders, result in (("86", "86", "4", "1998.49cc"), ("100", "100", "1", "785.50cc")):
        type_into(need(app, "text", "Bore Size"), bore)
        type_into(need(app, "text", "Stroke Length"), stroke)
        type_into(need(app, "text", "Cylinders"), cylinders)
        press(need(app, "push button", "Calculate"))
        check(bool(wait_for(lambda: find(app, "label", result))), f"Sumbrelt: the capacity reads {result}")
        press(need(app, "push button", "Print"))
        records = need(app, "list", "Records")
    expected = ["Bore Size: 86, Stroke Length: 86, Cylinders: 4, Cubic Capacity: 1998.49cc",
                "Bore Size: 100, Stroke Length: 100, Cylinders: 1, Cubic Capacity: 785.50cc"]
    check(wait_for(lambda: [row.name for row in records] == expected) is not None,
          f"Sumbrelt: the record list reads {[row.name for row in records]}")
    window = next(w for w in app if w.name == "Cubic Capacity Records")
    audit("Sumbrelt", app)
    # File > Print through the reader returns at once; the printer dialog is then usable, and Cancel prints nothing.
    before = print_jobs()
    took = act(need(window, "menu item", "Print"), "press", "click")
    check(took < 2, f"Sumbrelt: File > Print returns at once ({took:.1f} s)")
    dialog = wait_for(lambda: next((w for w in app if w.getRoleName() == "dialog"), None))
    if check(dialog is not None, "Sumbrelt: the printer dialog opens"):
        print(f"  printer dialog: {dialog.name!r}")
        press(need(dialog, "push button", "Cancel"))
        check(wait_for(lambda: not any(w.getRoleName() == "dialog" for w in app)) is not None,
              "Sumbrelt: Cancel through the reader closes the printer dialog")
    # A print is handed to the service before the program reads its next event, and the reader's
    # next question is such an event: once it is answered, any job would be queued.
    check(len(records) == 2 and print_jobs() == before, "Sumbrelt: a cancelled print prints nothing")
    act(need(window, "menu item", "Clear Records"), "press", "click")
    check(wait_for(lambda: len(records) == 0) is not None, "Sumbrelt: a cleared list reads empty")
    stop(process, "Sumbrelt")


def vellarin():
    process, app = start("Vellarin")
    audit("Vellarin", app)
    type_into(need(app, "text", "Please enter you vehicle weight in lbs.:"), "6000")
    type_into(need(app, "text", "Please enter you vehicle horse power:"), "50")
    press(need(app, "push button", "Calculate ET"))
    check(bool(wait_for(lambda: find(app, "label", "Estimated 1/4 mile time: 28.71 sec."))), "Vellarin: the ET reads 28.71")
    took = press(need(app, "push button", "Info About Vellarin"))
    check(took < 2, f"Vellarin: the info button returns at once ({took:.1f} s)")
    check(wait_for(lambda: len(app) == 2) is not None, "Vellarin: the info window opens")
    info = app[len(app) - 1]
    audit("Vellarin", app)
    press(need(info, "push button", "OK"))
    check(wait_for(lambda: len(app) == 1) is not None, "Vellarin: OK closes the info window")
    press(need(app, "push button", "Start Vellarin"))
    tree = wait_for(lambda: find(app, "label", "Light-Tree Reflex Timer"))
    check(tree is not None, "Vellarin: the light tree opens")
    audit("Vellarin", app)
    lamps = [a.name for a in walk(app) if a.getRoleName() in ("image", "label") and a.name.endswith(("ON", "OFF"))]
    check(lamps.count("REDOFF") == 12 and len(lamps) == 28, f"Vellarin: the 28 lamps read their images ({lamps})")
    # A click on a lamp through the reader is no key press; the keyboard drives the tree.
    stop(process, "Vellarin")


for scenario in (carrowen, quillon, pressure, sumbrelt, vellarin):
    scenario()
print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
