// The help page in the system browser and the version dialog. Neither touches the game state; a missing
// page or a browser that will not start is told in a message box.

#include "help/help.h"

#include "platform/platform.h"
#include "platform/translate.h"
#include "sound/dslib.h"
#include "sound/effects.h"

#include <filesystem>
#include <string>

namespace {

// The help page beside the program, in the folder that was current at start-up, in the language in
// use (Tessora.htm in Japanese, Tessora_en.htm in English). The program has no web home page, so the
// version dialog's home-page button opens this page too.
void open_help_page(const std::string& folder, Dialogs& dialogs) {
    const std::string page =
        folder + (language_in_use() == Language::English ? "/Tessora_en.htm" : "/Tessora.htm");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(page), ec)) {
        dialogs.message(fill(translate("Help", "解説ページ「%1」が見つかりません。"), {page}),
                        translate("Help", "解説"));
        return;
    }
    if (!dialogs.open_browser(page))
        dialogs.message(fill(translate("Help", "ブラウザを起動できないため、解説ページを開けませんでした。\n"
                                               "ブラウザで次のファイルを開いてください。\n%1"),
                             {page}),
                        translate("Help", "解説"));
}

} // namespace

void KAISETU_Click(const Settei& s, Dialogs& dialogs) {
    open_help_page(s.KIDOU_DIR, dialogs);
}

void VER_Click(const Settei& s, Dialogs& dialogs, FileControls& panel) {
    panel.close();
    if (s.KOUKAON == ON) dsPlay(OTO_SONOTA);
    if (dialogs.version_dialog()) open_help_page(s.KIDOU_DIR, dialogs);
}
