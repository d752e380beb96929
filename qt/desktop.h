// How the program presents itself to the desktop, and the player's preferences beyond Tessora.ini.
#pragma once

#include <QString>
#include <QVariant>

class QApplication;

// The desktop file name (the Wayland app id; tessora.desktop) and the window icon of every window.
void set_desktop_identity(QApplication& app);

// Preferences the program remembers besides the four options of Tessora.ini (window size, zoom ...):
// kept by QSettings in the user's config folder, ~/.config/tessora/tessora.conf, never in Tessora.ini.
QVariant preference(const QString& key, const QVariant& fallback = {});
void set_preference(const QString& key, const QVariant& value);
