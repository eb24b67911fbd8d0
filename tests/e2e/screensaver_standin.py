#!/usr/bin/python3
"""A stand-in for the desktop's screen saver on the session bus: org.freedesktop.ScreenSaver
with GetActive, SetActive (which announces ActiveChanged) and GetActiveTime. It prints
"ready" once it owns its name. Run by Debian's python3, which has the D-Bus module."""

import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.ScreenSaver"


class ScreenSaver(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/ScreenSaver")
        self.active = False

    @dbus.service.method(NAME, out_signature="b")
    def GetActive(self):
        return self.active

    @dbus.service.method(NAME, in_signature="b", out_signature="b")
    def SetActive(self, active):
        if bool(active) != self.active:
            self.active = bool(active)
            self.ActiveChanged(self.active)
        return True

    @dbus.service.method(NAME, out_signature="u")
    def GetActiveTime(self):
        return 0

    @dbus.service.signal(NAME, signature="b")
    def ActiveChanged(self, active):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(NAME, bus)
    saver = ScreenSaver(bus)
    if len(sys.argv) > 1 and sys.argv[1] == "--active":
        saver.active = True
    print("ready", flush=True)
    GLib.MainLoop().run()
    del name


if __name__ == "__main__":
    main()
