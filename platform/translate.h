// Every text shown to the player passes through translate(), so that it can be shown in the player's
// language. The program's own texts are written in Japanese; a translator (installed by the window,
// see set_translator) gives them in another language. Without one, the text comes back unchanged, as
// the script driver and the tests see it unless they ask for another language.
//
// Write whole sentences with numbered places (%1, %2 ...) filled by fill(), never a sentence built
// from pieces, so that a translation can put the pieces in its own order. The context and the text
// must be string literals: the translation tools read them from the source.
#pragma once

#include <initializer_list>
#include <string>

std::string translate(const char* context, const char* text);

// Puts each argument in place of %1, %2 ... (up to %9) in text; a place with no argument is left.
std::string fill(const std::string& text, std::initializer_list<std::string> args);

// Marks a text of a table for the translation tools, which read the pair as they read translate();
// the text is translated where it is shown, with translate(context, entry).
#define TRANSLATABLE(context, text) text

using Translator = std::string (*)(const char* context, const char* text);
// nullptr goes back to the texts as written.
void set_translator(Translator t);

// The language the texts are shown in, which what is not a sentence follows too (the notation of
// moves). The window sets it with the translator; the driver and the tests keep Japanese unless asked.
enum class Language { Japanese, English };
Language language_in_use();
void set_language_in_use(Language l);
