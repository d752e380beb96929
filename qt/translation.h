// Qt's own texts (the standard buttons of message boxes) in Japanese, as on a Japanese desktop.
#pragma once

// Call once, right after the application object is made. Returns false when Qt's Japanese
// translation could not be loaded (the standard buttons then keep their English captions).
bool load_qt_japanese();
