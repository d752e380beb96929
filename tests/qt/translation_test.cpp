// The program in English and Japanese: every text the sources hand to translate() (or mark for it in a
// table) has a translation in both files the build makes, the English one with nothing left in
// Japanese, and the English golden run says nothing in Japanese either.
#include "kifu/notation.h"
#include "platform/translate.h"
#include "qt/translation.h"

#include <QCoreApplication>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The value of a run of adjacent C string literals ("a\n" "b"), escapes undone.
std::string literal_value(const std::string& run) {
    std::string out;
    bool inside = false;
    for (std::size_t i = 0; i < run.size(); ++i) {
        const char c = run[i];
        if (!inside) {
            inside = c == '"';
        } else if (c == '"') {
            inside = false;
        } else if (c == '\\' && i + 1 < run.size()) {
            const char e = run[++i];
            out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else {
            out += c;
        }
    }
    return out;
}

// Every (context, text) the program's sources give to translate(), TRANSLATABLE() or QT_TRANSLATE_NOOP()
// with literals, as the translation tools read them.
std::set<std::pair<std::string, std::string>> texts_in_sources() {
    static const std::regex call(
        R"re(\b(?:translate|TRANSLATABLE|QT_TRANSLATE_NOOP)\(\s*"([A-Za-z]+)",\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re");
    std::set<std::pair<std::string, std::string>> found;
    for (const char* folder : {"app", "qt", "control", "display", "kifu", "settings", "help", "sound", "core",
                               "platform", "com", "engine"}) {
        const fs::path dir = fs::path(TESSORA_SOURCE_DIR) / folder;
        if (!fs::exists(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            const std::string source = read_text(entry.path());
            for (auto it = std::sregex_iterator(source.begin(), source.end(), call);
                 it != std::sregex_iterator(); ++it)
                found.insert({(*it)[1].str(), literal_value((*it)[2].str())});
        }
    }
    return found;
}

// Kana, kanji, the CJK marks and the full- and half-width forms: what a reader of English alone cannot
// read (▲ △ → are no Japanese).
bool has_japanese(const std::string& utf8) {
    const QString s = QString::fromUtf8(utf8);
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

TEST(Translation, EveryShownTextHasAnEnglishAndAJapaneseTranslation) {
    const auto texts = texts_in_sources();
    ASSERT_GT(texts.size(), 190u); // the sources were found
    for (const Language l : {Language::English, Language::Japanese}) {
        QTranslator file;
        ASSERT_TRUE(file.load(translation_file(l))) << translation_file(l).toStdString();
        for (const auto& [context, text] : texts) {
            const std::string shown = file.translate(context.c_str(), text.c_str()).toStdString();
            EXPECT_FALSE(shown.empty())
                << language_code(l) << " has no translation of " << context << " | " << text;
            if (l == Language::English) {
                EXPECT_FALSE(has_japanese(shown)) << context << " | " << text << " -> " << shown;
            }
        }
    }
}

TEST(Translation, TheLanguageChosenIsTheOneSpokenUntilAnotherIs) {
    ASSERT_TRUE(use_language(Language::English));
    EXPECT_EQ(translate("Menu", "待った"), "Take back");
    EXPECT_EQ(notation_in_use(), Notation::English);
    ASSERT_TRUE(use_language(Language::Japanese));
    EXPECT_EQ(translate("Menu", "待った"), "待った");
    EXPECT_EQ(notation_in_use(), Notation::Japanese);
    // Qt's own buttons speak Japanese with the program.
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&Yes").contains(QString::fromUtf8("はい")));
}

// The harness lists the files the run left ("file NAME ..."): their names are the program's files,
// which are Japanese in either language.
TEST(Translation, TheEnglishGoldenRunSaysNothingInJapanese) {
    std::istringstream out(read_text(fs::path(TESSORA_SOURCE_DIR) / "tests/golden/english.out"));
    int lines = 0;
    for (std::string line; std::getline(out, line);) {
        if (line.rfind("file ", 0) == 0) continue;
        ++lines;
        EXPECT_FALSE(has_japanese(line)) << line;
    }
    EXPECT_GT(lines, 40);
}

} // namespace
