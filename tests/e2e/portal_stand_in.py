"""A stand-in for the desktop portal's global shortcuts on a test's session bus.

Owns org.freedesktop.portal.Desktop and answers as the portal documents it: each call returns
a request object's path, and the result follows as that object's Response signal. Every call
is appended to the log file (argument 1) as one JSON line. SIGUSR1 emits Activated for the
shortcut id written in the file named by argument 2, in the last session created. With a third
argument "refuse" every session is refused, as when the user cancels the desktop's dialog."""

import json
import signal
import sys

from gi.repository import Gio, GLib

PATH = "/org/freedesktop/portal/desktop"
INTERFACES = Gio.DBusNodeInfo.new_for_xml("""
<node>
  <interface name="org.freedesktop.portal.GlobalShortcuts">
    <method name="CreateSession">
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="o" name="handle" direction="out"/>
    </method>
    <method name="BindShortcuts">
      <arg type="o" name="session_handle" direction="in"/>
      <arg type="a(sa{sv})" name="shortcuts" direction="in"/>
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="o" name="handle" direction="out"/>
    </method>
    <signal name="Activated">
      <arg type="o" name="session_handle"/>
      <arg type="s" name="shortcut_id"/>
      <arg type="t" name="timestamp"/>
      <arg type="a{sv}" name="options"/>
    </signal>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="org.freedesktop.host.portal.Registry">
    <method name="Register">
      <arg type="s" name="app_id" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
    </method>
  </interface>
</node>""").interfaces

log_path, activation_path = sys.argv[1], sys.argv[2]
refuse = sys.argv[3:] == ["refuse"]
sessions = []


def log(entry):
    with open(log_path, "a") as out:
        out.write(json.dumps(entry) + "\n")


def object_path(kind, sender, token):
    return "%s/%s/%s/%s" % (PATH, kind, sender[1:].replace(".", "_"), token)


def respond(connection, sender, request, results, response=0):
    def emit():
        connection.emit_signal(sender, request, "org.freedesktop.portal.Request", "Response",
                               GLib.Variant("(ua{sv})", (response, results)))
        return False
    GLib.idle_add(emit)


def method_call(connection, sender, path, interface, method, parameters, invocation):
    arguments = parameters.unpack()
    if method == "Register":
        log({"call": method, "app_id": arguments[0]})
        invocation.return_value(None)
    elif method == "CreateSession":
        options = arguments[0]
        request = object_path("request", sender, options["handle_token"])
        session = object_path("session", sender, options.get("session_handle_token", "s"))
        sessions.append((connection, sender, session))
        log({"call": method})
        invocation.return_value(GLib.Variant("(o)", (request,)))
        if refuse:
            respond(connection, sender, request, {}, 1)
        else:
            respond(connection, sender, request, {"session_handle": GLib.Variant("s", session)})
    elif method == "BindShortcuts":
        session, shortcuts, _, options = arguments
        log({"call": method, "session": session, "shortcuts": shortcuts})
        request = object_path("request", sender, options["handle_token"])
        invocation.return_value(GLib.Variant("(o)", (request,)))
        respond(connection, sender, request, {})


def activate():
    with open(activation_path) as source:
        shortcut = source.read().strip()
    connection, sender, session = sessions[-1]
    connection.emit_signal(None, PATH, "org.freedesktop.portal.GlobalShortcuts", "Activated",
                           GLib.Variant("(osta{sv})", (session, shortcut, 0, {})))
    return True


def acquired(connection, name):
    print("ready", flush=True)


def bus_ready(connection, name):
    for interface in INTERFACES:
        connection.register_object(PATH, interface, method_call, None, None)


GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, activate)
Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop", Gio.BusNameOwnerFlags.NONE,
                 bus_ready, acquired, None)
GLib.MainLoop().run()
