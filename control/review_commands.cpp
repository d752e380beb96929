#include "control/review_commands.h"

#include "control/level4.h"
#include "control/move_list.h"
#include "control/review.h"
#include "kifu/kifu_file.h"
#include "kifu/navigate.h"
#include "kifu/notation.h"
#include "kifu/record.h"
#include "kifu/review_file.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "sound/effects.h"
#include "control/options.h"
#include "control/owner.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The review under way, with the record it was started on: its results belong to that record alone,
// whatever is on screen by the time it ends.
struct Job {
    std::unique_ptr<Review> review;
    Kiroku record;
    std::string path;                  // the kifu file that record is, or empty
    std::vector<ReviewedMove> earlier; // what was known of that record before (move n at n - 1)
};

std::unique_ptr<Job> g_job;
std::vector<ReviewedMove> g_results; // move n at n - 1: what the last review found, or a side file
std::uint64_t g_budget = 0;          // the nodes a position those results were found with
ReviewThresholds g_thresholds;
std::string g_record_path;              // the kifu file the record on screen was read from or written to
std::uint64_t g_record_fingerprint = 0; // of the record as that file holds it

// The results that belong to record r: move n's, where its two entries are still those the review saw.
ReviewFile review_of(const Kiroku& r) {
    ReviewFile f;
    f.nodes = g_budget;
    f.thresholds = g_thresholds;
    for (int n = 1; n <= r.KIFU_TESUU && n <= KIFU_MAX; ++n) {
        ReviewedMove m;
        m.fingerprint = move_fingerprint(r, n);
        if (n <= static_cast<int>(g_results.size()) && g_results[n - 1].ready &&
            g_results[n - 1].fingerprint == m.fingerprint)
            m = g_results[n - 1];
        f.moves.push_back(m);
    }
    return f;
}

ReviewFile current_review() {
    return review_of(TAIKYOKU.kifu);
}

bool any_ready(const ReviewFile& f) {
    for (const ReviewedMove& m : f.moves)
        if (m.ready) return true;
    return false;
}

// The kifu file the record on screen is, or empty once a move of it changed.
std::string record_file() {
    return record_fingerprint(TAIKYOKU.kifu) == g_record_fingerprint ? g_record_path : std::string();
}

// What the job has found so far, over what was known before it: a move it has not reached yet keeps
// its earlier result.
void collect() {
    if (!g_job) return;
    g_results = g_job->earlier;
    for (int n = 1; n <= g_job->review->moves(); ++n)
        if (ReviewedMove m = g_job->review->result(n); m.ready) g_results[n - 1] = m;
}

void keep_review(const std::string& kifu_path, const Kiroku& record) {
    const ReviewFile f = review_of(record);
    if (kifu_path.empty() || !any_ready(f)) return;
    const std::string path = review_path(kifu_path);
    if (const int err = write_review_file(path, record, f); err != 0)
        std::fprintf(stderr, "tessora: %s: %s\n", path.c_str(), file_error_text(err).c_str());
}

// The job has ended or is stopped: its results stay, and go beside the file of the record it was
// started on, if that record is a file's.
void review_ended() {
    g_job->review->cancel();
    collect();
    const std::unique_ptr<Job> job = std::move(g_job);
    keep_review(job->path, job->record);
}

// The preferred move before move n in the notation in use: the review writes it in Japanese, as its
// file keeps it, and the record on screen gives the position to write it in another.
std::string preferred_text(const ReviewedMove& m, int n) {
    const Kiroku& r = TAIKYOKU.kifu;
    if (notation_in_use() == Notation::Japanese || n < 1 || n > r.KIFU_TESUU || n > KIFU_MAX)
        return m.best_text;
    Kyokumen before;
    put_entry(before, r.entries[n - 1]);
    const RecordedMove last = recorded_move(r, n - 1);
    const int turns = shortest_turns(m.best.turns);
    const NotatedMove move{.turns = turns,
                           .shown_turns = turns,
                           .from = {m.best.fx, m.best.fy},
                           .to = {m.best.tx, m.best.ty},
                           .placed = m.best.placed};
    const std::string text = move_notation(before, move, last.found ? last.to : Cell{}, notation_in_use());
    return text.empty() ? m.best_text : text;
}

} // namespace

void show_review() {
    MovesPanel* panel = platform().move_list();
    if (!panel) return;
    const ReviewFile f = current_review();
    const std::vector<std::string>& listed = move_list_rows(TAIKYOKU.kifu);
    std::vector<ReviewRow> rows;
    for (std::size_t i = 0; i < f.moves.size(); ++i) {
        const ReviewedMove& m = f.moves[i];
        // The move played, when it is the preferred one, is written as the list writes it: the same
        // move made after another turn of the ring (or the same turn the other way round) is no other.
        std::string best = m.has_best ? preferred_text(m, static_cast<int>(i) + 1) : std::string();
        if (m.played_best && i + 1 < listed.size()) best = listed[i + 1];
        rows.push_back(ReviewRow{.ready = m.ready,
                                 .eval = m.eval,
                                 .mate = m.mate,
                                 .mark = static_cast<int>(m.mark),
                                 .best = best});
    }
    ReviewProgress progress;
    if (g_job)
        progress = {
            .running = true, .done = g_job->review->positions_done(), .all = g_job->review->positions()};
    panel->show_review(rows, progress);
}

void KENTOU_Click() {
    platform().file_controls().close();
    const std::string title = translate("Review", "検討");
    if (g_job) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message(translate("Review", "検討中です"), title);
        return;
    }
    if (TAIKYOKU.kifu.KIFU_TESUU < 1) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message(translate("Review", "検討する棋譜がありません"), title);
        return;
    }
    ReviewOptions options;
    options.nodes = level4_nodes; // as deep as LEVEL4 looks at a move
    auto job = std::make_unique<Job>();
    job->record = TAIKYOKU.kifu;
    job->path = record_file();
    // What is shown stays until the new run replaces it, move by move.
    job->earlier = current_review().moves;
    g_results = job->earlier;
    g_budget = options.nodes;
    g_thresholds = options.thresholds;
    job->review = std::make_unique<Review>(job->record, options);
    g_job = std::move(job);
    show_review();
}

bool review_tick() {
    if (!g_job) return false;
    if (g_job->review->finished())
        review_ended();
    else
        collect();
    show_move_list();
    show_review();
    return g_job != nullptr;
}

void finish_review() {
    if (!g_job) return;
    g_job->review->wait();
    review_tick();
}

bool cancel_review() {
    if (!g_job) return false;
    g_job->review->cancel();
    review_tick();
    return true;
}

void end_review() {
    if (g_job) review_ended();
}

void GRAPH_SAVE_Click() {
    const std::string title = translate("Review", "評価グラフ");
    MovesPanel* panel = platform().move_list();
    if (!panel || !any_ready(current_review())) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message(translate("Review", "検討した対局がありません"), title);
        return;
    }
    // Beside the file of the record on screen when it is one (NAME.png), else in the player's folder,
    // where Tessora.ini and the kept game are.
    const std::string file = record_file();
    const std::string suggested =
        file.empty() ? path_in_folder(settings_folder(), "評価グラフ.png") : beside_record(file, ".png");
    const std::string path = panel->choose_picture_file(suggested);
    if (path.empty()) return;
    if (!panel->save_graph(path)) {
        platform().dialogs().message(
            fill(translate("Review", "評価グラフを保存できませんでした\n%1"), {path}), title);
        return;
    }
    platform().dialogs().message(fill(translate("Review", "評価グラフを保存しました\n%1"), {path}), title);
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
    if (g_job) {
        // The record under review read again: the review goes on. Another record stops it, and what it
        // found goes beside its own record's file.
        if (path == g_job->path && g_record_fingerprint == record_fingerprint(g_job->record)) {
            show_review();
            return;
        }
        review_ended();
    }
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
    // The review under way ends up beside the file that now holds its record, and never beside one that
    // now holds another.
    if (g_job) {
        if (g_record_fingerprint == record_fingerprint(g_job->record))
            g_job->path = path;
        else if (g_job->path == path)
            g_job->path.clear();
    }
    keep_review(path, TAIKYOKU.kifu);
}

void forget_record_file() {
    g_record_path.clear();
    g_record_fingerprint = 0;
}
