#include "qt/desktop.h"

#include "qt/canvas.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QIcon>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

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
    // Built: icons/ beside the pictures; installed: share/icons, two folders above share/games/tessora.
    const QString data = CanvasImage::asset_dir();
    QIcon icon;
    for (const QString& theme : {data + "/icons/hicolor", data + "/../../icons/hicolor"}) {
        for (int size : kIconSizes) {
            const QString file = QString("%1/%2x%2/apps/tessora.png").arg(theme).arg(size);
            if (QFileInfo::exists(file)) icon.addFile(QDir::cleanPath(file), QSize(size, size));
        }
        if (!icon.isNull()) break;
    }
    if (icon.isNull()) icon = QIcon::fromTheme("tessora");
    app.setWindowIcon(icon);
}

bool open_in_browser(const QString& file, int patience_ms) {
    const QUrl url = QUrl::fromLocalFile(file);
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    // Without xdg-open, Qt tries $BROWSER and the browsers it knows by name.
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    // xdg-open fails at once when it finds no browser; with one it may run as long as the browser.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({url.toString()});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    QEventLoop loop;
    QTimer::singleShot(patience_ms, &loop, &QEventLoop::quit);
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process->state() != QProcess::NotRunning) {
        // The browser is up; xdg-open is left to end with it.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

QVariant preference(const QString& key, const QVariant& fallback) {
    return preferences().value(key, fallback);
}

void set_preference(const QString& key, const QVariant& value) {
    preferences().setValue(key, value);
    preferences().sync();
}
