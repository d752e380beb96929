#include "qt/translation.h"

#include "qt/canvas.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace {

QTranslator* g_qt_japanese = nullptr;
QTranslator* g_program = nullptr;

std::string from_qt(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace

bool load_qt_japanese() {
    // はい, いいえ and OK on the standard buttons, as on a Japanese desktop.
    if (g_qt_japanese) return true;
    auto* qt_ja = new QTranslator(QCoreApplication::instance());
    if (!qt_ja->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt_ja;
        std::fprintf(stderr, "tessora: Qt's Japanese translation (qtbase_ja) was not found\n");
        return false;
    }
    QCoreApplication::installTranslator(qt_ja);
    g_qt_japanese = qt_ja;
    return true;
}

Language system_language() {
    return QLocale::system().name().startsWith("ja") ? Language::Japanese : Language::English;
}

const char* language_code(Language l) {
    return l == Language::English ? "en" : "ja";
}

bool language_of_code(const QString& code, Language& l) {
    if (code != "en" && code != "ja") return false;
    l = code == "en" ? Language::English : Language::Japanese;
    return true;
}

QString translation_file(Language l) {
    return CanvasImage::asset_dir() + "/tessora_" + language_code(l) + ".qm";
}

bool use_language(Language l) {
    if (g_program) {
        QCoreApplication::removeTranslator(g_program);
        delete g_program;
        g_program = nullptr;
    }
    if (l == Language::Japanese) {
        set_translator(nullptr);
        set_language_in_use(Language::Japanese);
        load_qt_japanese();
        return true;
    }
    if (g_qt_japanese) {
        QCoreApplication::removeTranslator(g_qt_japanese);
        delete g_qt_japanese;
        g_qt_japanese = nullptr;
    }
    auto* program = new QTranslator(QCoreApplication::instance());
    const QString file = translation_file(l);
    if (!program->load(file)) {
        delete program;
        std::fprintf(stderr, "tessora: the translation %s was not found\n", qPrintable(file));
        set_translator(nullptr);
        set_language_in_use(Language::Japanese);
        return false;
    }
    QCoreApplication::installTranslator(program);
    g_program = program;
    set_translator(&from_qt);
    set_language_in_use(l);
    return true;
}
