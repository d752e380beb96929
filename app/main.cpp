#include "control/game.h"
#include "core/state.h"
#include "platform/folders.h"
#include "qt/desktop.h"
#include "qt/form1.h"
#include "sound/effects.h"
#include "control/owner.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// For the install test: TESSORA_QUIT_AFTER_START=1 ends the program once it has started, after
// saying what it loaded and where its settings are.
void report_start_and_quit(const Form1& form) {
    int pictures = 0;
    for (int i = 0; i < kPicCount; ++i)
        pictures += form.canvas().picture(static_cast<Pic>(i)).isNull() ? 0 : 1;
    int sounds = 0;
    for (int buffer : {OTO_SONOTA, OTO_KINSHI, OTO_KOMA, OTO_BGM}) sounds += buffer != 0 ? 1 : 0;
    std::printf("pictures %d of %d from %s\nsounds %d of 4 from %s\nhelp %s/Tessora.htm\nsettings %s\n",
                pictures, kPicCount, qPrintable(CanvasImage::asset_dir()), sounds, data_folder().c_str(),
                TAIKYOKU.settei.KIDOU_DIR.c_str(), settings_folder().c_str());
    std::fflush(stdout);
    QTimer::singleShot(0, [] { QApplication::exit(0); });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    use_folders_of_program(QCoreApplication::applicationDirPath().toStdString());
    set_desktop_identity(app);
    Form1 form;
    // Started to be looked at by a script, the program tells what it would show on stderr and never
    // waits for a click.
    const bool quit_after_start = std::getenv("TESSORA_QUIT_AFTER_START") != nullptr;
    form.set_unattended(quit_after_start);
    set_platform(&form);
    Form_Load(); // the title first, then the pictures and sounds; ends with the main window shown
    if (quit_after_start) report_start_and_quit(form);
    const int rc = app.exec();
    set_platform(nullptr);
    return rc;
}
