// SPDX-License-Identifier: MIT
// The best score: its file format, and reading and keeping it safely.
#include "app/best_score.h"

#include <cstdio>

#include "platform/kept_file.h"

namespace {
const char* const kName = "best-score";
const char* const kHeader = "krellwick best score";
constexpr std::size_t kLimit = 64;
constexpr int kMaxDigits = 9;  // what an int holds, with room to spare

// The line ending at `at`, without its CR LF or LF; advances past it.
std::optional<std::string> line(const std::string& text, std::size_t& at) {
    const std::size_t end = text.find('\n', at);
    if (end == std::string::npos) return std::nullopt;
    std::string found = text.substr(at, end - at);
    if (!found.empty() && found.back() == '\r') found.pop_back();
    at = end + 1;
    return found;
}

void say(const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}
}  // namespace

std::string formatBestScore(int best) { return std::string(kHeader) + "\n" + std::to_string(best) + "\n"; }

std::optional<int> parseBestScore(const std::string& text, std::string& problem) {
    std::size_t at = 0;
    const auto header = line(text, at);
    const auto number = header ? line(text, at) : std::nullopt;
    if (!header || *header != kHeader || !number || at != text.size()) {
        problem = "not a best score file";
        return std::nullopt;
    }
    if (!number->empty() && (*number)[0] == '-') {
        problem = "a negative score";
        return std::nullopt;
    }
    if (number->empty() || number->find_first_not_of("0123456789") != std::string::npos ||
        (number->size() > 1 && (*number)[0] == '0')) {
        problem = "no score in it";
        return std::nullopt;
    }
    if (number->size() > static_cast<std::size_t>(kMaxDigits)) {
        problem = "a number too large to be a score";
        return std::nullopt;
    }
    return std::stoi(*number);
}

std::optional<int> BestScore::readKeptBest(bool atStart) {
    const std::string place = keptPlace(kName);
    const KeptRead kept = readKept(kName, kLimit);
    std::string problem = kept.problem;
    std::optional<int> best;
    switch (kept.outcome) {
    case KeptRead::Missing: return 0;
    case KeptRead::Unreadable:
        say("Best score: could not read " + place + " (" + problem +
            "); it stays as it is, and no new best is kept over it");
        return std::nullopt;
    case KeptRead::Read:
        best = parseBestScore(kept.text, problem);
        if (best) return best;
        break;
    case KeptRead::Refused: break;
    }
    std::string why;
    const std::string aside = setKeptAside(kName, why);
    if (aside.empty()) {
        say("Best score: " + place + " is not ours (" + problem + ") and could not be set aside (" +
            why + "); it stays as it is, and no new best is kept over it");
        return std::nullopt;
    }
    say("Best score: " + place + " is not ours (" + problem + "); kept aside as " + aside +
        (atStart ? "; playing with a best of 0" : ""));
    return 0;
}

void BestScore::load() {
    const std::optional<int> kept = readKeptBest(true);
    writable_ = kept.has_value();
    best_ = kept.value_or(0);
}

void BestScore::offer(int score) {
    if (score <= best_) return;
    const std::optional<int> kept = readKeptBest(false);
    writable_ = kept.has_value();
    if (kept && *kept >= score) {
        best_ = *kept;  // another game kept a better one meanwhile
        return;
    }
    best_ = score;
    say("New best score: " + std::to_string(score));
    std::string problem;
    if (writable_ && !writeKept(kName, formatBestScore(score), problem))
        say("Best score: could not keep it in " + keptPlace(kName) + " (" + problem + ")");
}

BestScore& bestScore() {
    static BestScore best;
    return best;
}
