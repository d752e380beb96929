#include "platform/translate.h"

#include <atomic>

namespace {
std::atomic<Translator> current{nullptr};
std::atomic<Language> language{Language::Japanese};
} // namespace

std::string translate(const char* context, const char* text) {
    Translator t = current.load(std::memory_order_acquire);
    return t ? t(context, text) : std::string(text);
}

std::string fill(const std::string& text, std::initializer_list<std::string> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void set_translator(Translator t) {
    current.store(t, std::memory_order_release);
}

Language language_in_use() {
    return language.load(std::memory_order_acquire);
}

void set_language_in_use(Language l) {
    language.store(l, std::memory_order_release);
}
