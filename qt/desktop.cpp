#include "qt/desktop.h"

#include "qt/canvas.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>

namespace {

// The icon's sizes, as the generator draws them and the install lays them out in the hicolor theme.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

QSettings& preferences() {
    static QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "tessora", "tessora");
    return settings;
}

} // namespace

void set_desktop_identity(QApplication& app) {
    QGuiApplication::setDesktopFileName("tessora");
    // Built: icons/ beside the pictures; installed: share/icons next to share/tessora.
    const QString data = CanvasImage::asset_dir();
    QIcon icon;
    for (const QString& theme : {data + "/icons/hicolor", data + "/../icons/hicolor"}) {
        for (int size : kIconSizes) {
            const QString file = QString("%1/%2x%2/apps/tessora.png").arg(theme).arg(size);
            if (QFileInfo::exists(file)) icon.addFile(QDir::cleanPath(file), QSize(size, size));
        }
        if (!icon.isNull()) break;
    }
    if (icon.isNull()) icon = QIcon::fromTheme("tessora");
    app.setWindowIcon(icon);
}

QVariant preference(const QString& key, const QVariant& fallback) {
    return preferences().value(key, fallback);
}

void set_preference(const QString& key, const QVariant& value) {
    preferences().setValue(key, value);
    preferences().sync();
}
