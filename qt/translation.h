// The program in the player's language: its own texts from tessora_LANG.qm beside the pictures, and
// Qt's own (the standard buttons of message boxes) in Japanese when the program speaks Japanese.
#pragma once

#include "platform/translate.h"

#include <QString>

// Call once, right after the application object is made. Returns false when Qt's Japanese
// translation could not be loaded (the standard buttons then keep their English captions).
bool load_qt_japanese();

// Japanese for a system whose language is Japanese (ja, ja_JP ...), English otherwise.
Language system_language();
// The program's translation file for the language, in the folder of the pictures.
QString translation_file(Language l);
// Shows every text from now on in that language (translate() and the notation). Returns false when
// the translation file could not be loaded: the texts then stay as written, in Japanese.
bool use_language(Language l);
// The language's name in the settings, and back (anything else: none).
const char* language_code(Language l);
bool language_of_code(const QString& code, Language& l);
