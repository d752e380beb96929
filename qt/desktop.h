// How the program presents itself to the desktop, and the player's preferences beyond Tessora.ini.
#pragma once

#include <QString>
#include <QVariant>

class QApplication;

// The desktop file name (the Wayland app id; tessora.desktop) and the window icon of every window.
void set_desktop_identity(QApplication& app);

// Opens a local file in the desktop's browser. True when a browser took it or is still starting after
// `patience_ms`; false when none could be started (xdg-open found no browser, or there is no opener).
// Meanwhile the windows are painted, and user input waits.
bool open_in_browser(const QString& file, int patience_ms = 1500);

// Preferences the program remembers besides the four options of Tessora.ini (window size, zoom ...):
// kept by QSettings in the user's config folder, $XDG_CONFIG_HOME/tessora/tessora.conf (by default
// ~/.config/tessora/tessora.conf), never in Tessora.ini.
QVariant preference(const QString& key, const QVariant& fallback = {});
void set_preference(const QString& key, const QVariant& value);
