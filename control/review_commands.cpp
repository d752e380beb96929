#include "control/review_commands.h"

#include "control/level4.h"
#include "control/move_list.h"
#include "control/review.h"
#include "kifu/kifu_file.h"
#include "kifu/review_file.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "sound/effects.h"
#include "control/options.h"
#include "control/owner.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<Review> g_job;       // the review under way, or the last one until the next
std::vector<ReviewedMove> g_results; // move n at n - 1: what the last review found, or a side file
std::uint64_t g_budget = 0;          // the nodes a position those results were found with
ReviewThresholds g_thresholds;
std::string g_record_path;              // the kifu file the record on screen is, if any
std::uint64_t g_record_fingerprint = 0; // of the record as that file holds it

// The results that belong to the record on screen: move n's, where its two entries are still those
// the review saw.
ReviewFile current_review() {
    ReviewFile f;
    f.nodes = g_budget;
    f.thresholds = g_thresholds;
    const Kiroku& r = TAIKYOKU.kifu;
    for (int n = 1; n <= r.KIFU_TESUU && n <= KIFU_MAX; ++n) {
        ReviewedMove m;
        if (n <= static_cast<int>(g_results.size()) && g_results[n - 1].ready &&
            g_results[n - 1].fingerprint == move_fingerprint(r, n))
            m = g_results[n - 1];
        f.moves.push_back(m);
    }
    return f;
}

bool any_ready(const ReviewFile& f) {
    for (const ReviewedMove& m : f.moves)
        if (m.ready) return true;
    return false;
}

// Copies what the job has found so far.
void collect() {
    if (!g_job) return;
    g_results.assign(static_cast<std::size_t>(g_job->moves()), ReviewedMove{});
    for (int n = 1; n <= g_job->moves(); ++n) g_results[n - 1] = g_job->result(n);
}

void keep_review(const std::string& kifu_path) {
    const ReviewFile f = current_review();
    if (kifu_path.empty() || !any_ready(f)) return;
    const std::string path = review_path(kifu_path);
    if (const int err = write_review_file(path, TAIKYOKU.kifu, f); err != 0)
        std::fprintf(stderr, "tessora: %s: %s\n", path.c_str(), file_error_text(err).c_str());
}

// The job has ended: its results stay, and go beside the file the record on screen came from.
void review_ended() {
    collect();
    g_job.reset();
    if (!g_record_path.empty() && record_fingerprint(TAIKYOKU.kifu) == g_record_fingerprint)
        keep_review(g_record_path);
}

} // namespace

void show_review() {
    MovesPanel* panel = platform().move_list();
    if (!panel) return;
    const ReviewFile f = current_review();
    std::vector<ReviewRow> rows;
    for (const ReviewedMove& m : f.moves)
        rows.push_back(ReviewRow{.ready = m.ready,
                                 .eval = m.eval,
                                 .mate = m.mate,
                                 .mark = static_cast<int>(m.mark),
                                 .best = m.has_best ? m.best_text : std::string()});
    ReviewProgress progress;
    if (g_job) progress = {.running = true, .done = g_job->positions_done(), .all = g_job->positions()};
    panel->show_review(rows, progress);
}

void KENTOU_Click() {
    platform().file_controls().close();
    const char* const title = "検討";
    if (g_job) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message("検討中です", title);
        return;
    }
    if (TAIKYOKU.kifu.KIFU_TESUU < 1) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message("検討する棋譜がありません", title);
        return;
    }
    ReviewOptions options;
    options.nodes = level4_nodes; // as deep as LEVEL4 looks at a move
    g_budget = options.nodes;
    g_thresholds = options.thresholds;
    g_results.clear();
    g_job = std::make_unique<Review>(TAIKYOKU.kifu, options);
    show_review();
}

bool review_tick() {
    if (!g_job) return false;
    if (g_job->finished())
        review_ended();
    else
        collect();
    show_move_list();
    show_review();
    return g_job != nullptr;
}

void finish_review() {
    if (!g_job) return;
    g_job->wait();
    review_tick();
}

bool cancel_review() {
    if (!g_job) return false;
    g_job->cancel();
    review_tick();
    return true;
}

void end_review() {
    if (!g_job) return;
    g_job->cancel();
    collect();
    g_job.reset();
}

void GRAPH_SAVE_Click() {
    const char* const title = "評価グラフ";
    MovesPanel* panel = platform().move_list();
    if (!panel || !any_ready(current_review())) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message("検討した対局がありません", title);
        return;
    }
    // Beside the record's file when it has one (NAME.png), else in the folder of the settings file.
    const std::string suggested = g_record_path.empty()
                                      ? path_in_folder(TAIKYOKU.settei.KIDOU_DIR, "評価グラフ.png")
                                      : beside_record(g_record_path, ".png");
    const std::string path = panel->choose_picture_file(suggested);
    if (path.empty()) return;
    if (!panel->save_graph(path)) {
        platform().dialogs().message("評価グラフを保存できませんでした\n" + path, title);
        return;
    }
    platform().dialogs().message("評価グラフを保存しました\n" + path, title);
}

namespace {

// The record on screen is now the file's.
void record_is_file(const std::string& path) {
    g_record_path = path;
    g_record_fingerprint = record_fingerprint(TAIKYOKU.kifu);
}

} // namespace

void record_read_from(const std::string& path) {
    record_is_file(path);
    if (g_job) return; // the review under way goes on; its results show where they still belong
    // Only what is kept beside the file comes with it.
    g_results.clear();
    if (std::optional<ReviewFile> f = read_review_file(review_path(path), TAIKYOKU.kifu)) {
        g_results = f->moves;
        g_budget = f->nodes;
        g_thresholds = f->thresholds;
    }
    show_review();
}

void record_written_to(const std::string& path) {
    record_is_file(path);
    keep_review(path);
}
