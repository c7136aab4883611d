#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A KWallet that names its wallet but never answers open(): a stuck keyring.
import dbus, dbus.service, dbus.mainloop.glib
from gi.repository import GLib
dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
class Wallet(dbus.service.Object):
    @dbus.service.method("org.kde.KWallet", out_signature="s")
    def networkWallet(self):
        return "kdewallet"
    @dbus.service.method("org.kde.KWallet", in_signature="sxs", out_signature="i",
                         async_callbacks=("ok", "fail"))
    def open(self, wallet, wid, appid, ok, fail):
        pass  # never answers
bus = dbus.SessionBus()
name = dbus.service.BusName("org.kde.kwalletd5", bus)
Wallet(bus, "/modules/kwalletd5")
print("ready", flush=True)  # the name is taken
GLib.MainLoop().run()
