#include "qt/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

bool load_qt_japanese() {
    // はい, いいえ and OK on the standard buttons, as on a Japanese desktop.
    auto* qt_ja = new QTranslator(QCoreApplication::instance());
    if (!qt_ja->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt_ja;
        std::fprintf(stderr, "tessora: Qt's Japanese translation (qtbase_ja) was not found\n");
        return false;
    }
    QCoreApplication::installTranslator(qt_ja);
    return true;
}
