// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

// The little the game keeps between runs, by name: a file in the player's
// data folder on the desktop ($XDG_DATA_HOME/krellwick, by default
// ~/.local/share/krellwick, on Linux; %APPDATA%\Krellwick on Windows), an
// entry of the page's local storage in the browser.
struct KeptRead {
    enum Outcome {
        Missing,     // nothing kept yet
        Read,        // `text` holds it
        Refused,     // not a small regular file: `problem` says what it is
        Unreadable,  // there, but could not be read now: `problem` says why
    };
    Outcome outcome = Missing;
    std::string text;
    std::string problem;
};

// Where `name` is kept, for the player: a path, or the browser's storage.
std::string keptPlace(const std::string& name);

// Reads `name`; anything but a regular file of at most `limit` bytes is
// refused unread (a FIFO would block, a folder means nothing, a huge file
// is not ours).
KeptRead readKept(const std::string& name, std::size_t limit);

// Replaces `name` with `text` so that a crash or a full disk at any moment
// leaves the old text or the new, never a mix: a new file beside it, flushed
// to the disk, then renamed over it, and the folder flushed. Makes the
// folder when missing. False, with `problem`, when it could not.
bool writeKept(const std::string& name, const std::string& text, std::string& problem);

// Moves `name` aside to "<name>.bad" (or "<name>.bad2" and on, never over an
// earlier one); the new place, or empty with `problem` when it could not.
std::string setKeptAside(const std::string& name, std::string& problem);
