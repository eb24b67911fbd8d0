"""A stand-in for a StatusNotifier host's watcher on a test's session bus.

Owns org.kde.StatusNotifierWatcher, says that a host is registered, and appends every item
that registers to the log file (argument 1), one line each."""

import sys

from gi.repository import Gio, GLib

INTERFACE = Gio.DBusNodeInfo.new_for_xml("""
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg type="s" name="service" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg type="s" name="service" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>""").interfaces[0]

log_path = sys.argv[1]
items = []


def method_call(connection, sender, path, interface, method, parameters, invocation):
    if method == "RegisterStatusNotifierItem":
        service = parameters.unpack()[0]
        # An item may name its object path instead of its bus name; the bus name is the sender.
        item = service if not service.startswith("/") else sender
        items.append(item)
        with open(log_path, "a") as out:
            out.write("%s %s\n" % (item, service))
        connection.emit_signal(None, path, interface, "StatusNotifierItemRegistered",
                               GLib.Variant("(s)", (item,)))
    invocation.return_value(None)


def get_property(connection, sender, path, interface, name):
    if name == "RegisteredStatusNotifierItems":
        return GLib.Variant("as", items)
    if name == "IsStatusNotifierHostRegistered":
        return GLib.Variant("b", True)
    return GLib.Variant("i", 0)


def bus_ready(connection, name):
    connection.register_object("/StatusNotifierWatcher", INTERFACE, method_call, get_property, None)


Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE,
                 bus_ready, lambda connection, name: print("ready", flush=True), None)
GLib.MainLoop().run()
