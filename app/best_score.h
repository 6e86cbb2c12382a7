// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// The best score ever reached, kept between runs (platform/kept_file.h says
// where) in a small text file of our own:
//   krellwick best score
//   57
std::string formatBestScore(int best);
// The best in `text`, or nothing with `problem` when the text is not that
// format to the letter (a negative or overlong number included).
std::optional<int> parseBestScore(const std::string& text, std::string& problem);

class BestScore {
public:
    // Reads the kept best. A file that is not ours is set aside, never
    // written over, and the game plays with a best of 0; each trouble is
    // one console line.
    void load();
    int best() const { return best_; }
    // A finished game's score. When it beats the best, the kept file is read
    // again (another game may have kept a better one since) and the larger
    // is kept; a new best is said once on the console.
    void offer(int score);

private:
    // The kept best, or nothing when there is a file we must leave alone.
    std::optional<int> readKeptBest(bool atStart);

    int best_ = 0;
    // False while a file we could not read or set aside stands in the way.
    bool writable_ = true;
};

// The game's one best score.
BestScore& bestScore();
