// tessora-tune: fits LEVEL4's evaluation weights to the results of self-play games.
//
//   tessora-tune generate OUT --games N --nodes K --jobs J --seed S
//       plays N games of LEVEL4 against itself at K nodes a move, in J processes, and writes every
//       position (reduced to a quiet one) with its game's result to OUT; the same seed gives the same file
//   tessora-tune fit DATA --out engine/eval_weights.cpp --seed S [--epochs E] [--rate R] [--l2 L]
//                    [--keep NAME,...]
//       fits the scale of the logistic, then every weight but the pawn's worth on the board (and those
//       --keep names, as the report and the table's comments name them), on the
//       positions of 90% of the games (chosen by the seed), reports the loss on them and on the rest
//       before and after, and writes the weights as the source of the table; --l2 holds the weights
//       towards the table's (1e-8 unless given)
#include "engine/evaluate.h"
#include "tools/tune/data.h"
#include "tools/tune/fit.h"
#include "tools/tune/selfplay.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

int usage() {
    std::fprintf(stderr, "usage: tessora-tune generate OUT --games N --nodes K --jobs J --seed S\n"
                         "       tessora-tune fit DATA --out FILE --seed S [--epochs E] [--rate R] [--l2 L]\n"
                         "                        [--keep NAME,...]\n");
    return 2;
}

// The options after the command's file, as --name value pairs.
bool read_options(int argc, char** argv, std::map<std::string, std::string>& out) {
    for (int i = 3; i < argc; i += 2) {
        if (std::strncmp(argv[i], "--", 2) != 0 || i + 1 >= argc) return false;
        out[argv[i] + 2] = argv[i + 1];
    }
    return true;
}

std::string part_name(const std::string& out, int job) {
    return out + ".part" + std::to_string(job);
}

// Job `job` of `jobs` plays games job, job + jobs, ... and writes each as its count of samples and
// the samples, in the order played.
void play_part(const tune::SelfPlay& how, std::uint64_t seed, int games, int jobs, int job,
               const std::string& out) {
    std::FILE* f = std::fopen(part_name(out, job).c_str(), "wb");
    if (!f) std::_Exit(1);
    int played = 0;
    long long positions = 0;
    for (int g = job; g < games; g += jobs) {
        const std::vector<tune::Sample> samples = tune::play_game(how, seed, g);
        const std::uint32_t n = static_cast<std::uint32_t>(samples.size());
        std::fwrite(&n, sizeof n, 1, f);
        for (const tune::Sample& s : samples) tune::write_sample(f, s);
        positions += n;
        // A long run shows it is alive.
        if (++played % 100 == 0)
            std::fprintf(stderr, "job %d: %d games, %lld positions\n", job, played, positions);
    }
    std::_Exit(std::fclose(f) == 0 ? 0 : 1);
}

int generate(const std::string& out, std::map<std::string, std::string>& opt) {
    const int games = std::atoi(opt["games"].c_str());
    const int jobs = std::max(1, std::atoi(opt["jobs"].c_str()));
    const std::uint64_t seed = std::strtoull(opt["seed"].c_str(), nullptr, 10);
    tune::SelfPlay how;
    if (!opt["nodes"].empty()) how.nodes = std::strtoull(opt["nodes"].c_str(), nullptr, 10);
    if (games <= 0) return usage();
    const auto start = std::chrono::steady_clock::now();
    std::vector<pid_t> children;
    for (int j = 0; j < jobs; ++j) {
        const pid_t pid = fork();
        if (pid < 0) return 1;
        if (pid == 0) play_part(how, seed, games, jobs, j, out);
        children.push_back(pid);
    }
    bool ok = true;
    for (pid_t pid : children) {
        int status = 0;
        ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "a job failed\n");
        return 1;
    }
    // Game g is the (g / jobs)th game of part g % jobs: taken round, the games come in their order
    // whatever the number of jobs.
    std::vector<std::FILE*> parts;
    for (int j = 0; j < jobs; ++j) parts.push_back(std::fopen(part_name(out, j).c_str(), "rb"));
    std::FILE* f = std::fopen(out.c_str(), "wb");
    if (!f || std::count(parts.begin(), parts.end(), nullptr) > 0) return 1;
    tune::write_header(f);
    long long positions = 0;
    int results[3] = {0, 0, 0};
    for (int g = 0; g < games; ++g) {
        std::FILE* part = parts[static_cast<std::size_t>(g % jobs)];
        std::uint32_t n = 0;
        if (std::fread(&n, sizeof n, 1, part) != 1) return 1;
        tune::Sample s;
        for (std::uint32_t i = 0; i < n; ++i) {
            if (!tune::read_sample(part, s)) return 1;
            tune::write_sample(f, s);
        }
        if (n > 0) ++results[s.result];
        positions += n;
    }
    for (int j = 0; j < jobs; ++j) {
        std::fclose(parts[static_cast<std::size_t>(j)]);
        std::remove(part_name(out, j).c_str());
    }
    if (std::fclose(f) != 0) return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d games (lower side won %d, drawn %d, lost %d), %lld positions in %.1f s: %.1f positions a "
                "second\n",
                games, results[2], results[1], results[0], positions, seconds, positions / seconds);
    return 0;
}

// The weights as the source of engine/eval_weights.cpp, one a line with its name, the comments lined up
// as the formatter lines them up.
bool write_source(const std::string& path, const engine::Weights& w) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return false;
    std::size_t width = 0;
    for (int v : w) width = std::max(width, std::to_string(v).size() + 1);
    std::fprintf(
        f,
        "// The evaluation's weights, one a line with its name (see evaluate.h for the terms). Written by\n"
        "// tessora-tune fit from the results of games.\n"
        "#include \"engine/evaluate.h\"\n\nnamespace engine {\n\nconst Weights TUNED_WEIGHTS = {\n");
    for (int i = 0; i < engine::weight::COUNT; ++i)
        std::fprintf(f, "    %-*s // %s\n", static_cast<int>(width), (std::to_string(w[i]) + ",").c_str(),
                     engine::weight_name(i).c_str());
    std::fprintf(f, "};\n\n} // namespace engine\n");
    return std::fclose(f) == 0;
}

int fit(const std::string& data, std::map<std::string, std::string>& opt) {
    const std::string out = opt["out"];
    const std::uint64_t seed = std::strtoull(opt["seed"].c_str(), nullptr, 10);
    const int epochs = opt["epochs"].empty() ? 500 : std::atoi(opt["epochs"].c_str());
    const double rate = opt["rate"].empty() ? 1.0 : std::atof(opt["rate"].c_str());
    // A little: on a few hundred games, weights seen in few positions otherwise fit those games alone.
    const double l2 = opt["l2"].empty() ? 1e-8 : std::atof(opt["l2"].c_str());
    if (out.empty()) return usage();
    std::vector<bool> kept(engine::weight::COUNT, false);
    kept[engine::weight::BOARD] = true; // the pawn's worth keeps the scale
    std::string names = opt["keep"];
    while (!names.empty()) {
        const std::size_t comma = names.find(',');
        const std::string name = names.substr(0, comma);
        names = comma == std::string::npos ? "" : names.substr(comma + 1);
        int i = 0;
        while (i < engine::weight::COUNT && engine::weight_name(i) != name) ++i;
        if (i == engine::weight::COUNT) {
            std::fprintf(stderr, "--keep: no weight is named %s\n", name.c_str());
            return 2;
        }
        kept[i] = true;
    }
    std::vector<tune::Sample> samples;
    if (!tune::read_samples(data, samples) || samples.empty()) {
        std::fprintf(stderr, "%s: no positions read\n", data.c_str());
        return 1;
    }
    // The held-out tenth: whole games, chosen by the seed (positions of one game are alike, and one on
    // each side of the split would flatter the fit).
    std::uint32_t games = 0;
    for (const tune::Sample& s : samples) games = std::max(games, s.game + 1);
    std::vector<std::uint32_t> order(games);
    for (std::uint32_t i = 0; i < games; ++i) order[i] = i;
    std::mt19937_64 rng(seed);
    for (std::uint32_t i = games - 1; i > 0; --i) std::swap(order[i], order[rng() % (i + 1)]);
    std::vector<bool> held(games, false);
    for (std::uint32_t i = 0; i < std::max<std::uint32_t>(1, games / 10); ++i) held[order[i]] = true;
    tune::Samples train, test;
    std::vector<int> f;
    for (const tune::Sample& s : samples) {
        engine::features(s.position(), f);
        (held[s.game] ? test : train).add(f, s.score());
    }
    const engine::Weights& start = engine::TUNED_WEIGHTS;
    std::vector<double> w(start.begin(), start.end());
    const double scale = tune::fit_scale(train, w);
    std::printf("%zu positions for training, %zu held out; scale %.7f (a pawn's board worth %d)\n",
                train.size(), test.size(), scale, start[engine::weight::BOARD]);
    std::printf("loss before: training %.6f, held out %.6f\n", tune::mean_loss(train, w, scale),
                tune::mean_loss(test, w, scale));
    tune::fit_weights(train, w, scale, kept, epochs, rate, l2);
    engine::Weights fitted{};
    for (std::size_t i = 0; i < fitted.size(); ++i) fitted[i] = static_cast<int>(std::lround(w[i]));
    std::vector<double> rounded(fitted.begin(), fitted.end());
    std::printf("loss after:  training %.6f, held out %.6f\n", tune::mean_loss(train, rounded, scale),
                tune::mean_loss(test, rounded, scale));
    // The weights that moved most.
    std::vector<int> moved(engine::weight::COUNT);
    for (int i = 0; i < engine::weight::COUNT; ++i) moved[i] = i;
    std::stable_sort(moved.begin(), moved.end(), [&](int a, int b) {
        return std::abs(fitted[a] - start[a]) > std::abs(fitted[b] - start[b]);
    });
    for (int k = 0; k < 20; ++k) {
        const int i = moved[k];
        if (fitted[i] == start[i]) break;
        std::printf("  %-32s %6d -> %6d\n", engine::weight_name(i).c_str(), start[i], fitted[i]);
    }
    if (!write_source(out, fitted)) {
        std::fprintf(stderr, "%s: cannot write\n", out.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> opt;
    if (argc < 3 || !read_options(argc, argv, opt)) return usage();
    const std::string command = argv[1];
    if (command == "generate") return generate(argv[2], opt);
    if (command == "fit") return fit(argv[2], opt);
    return usage();
}
