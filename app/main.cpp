#include "control/game.h"
#include "qt/form1.h"
#include "qt/translation.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    load_qt_japanese();
    Form1 form;
    set_platform(&form);
    form.load_pictures();
    Form_Load();
    form.show();
    const int rc = app.exec();
    set_platform(nullptr);
    return rc;
}
