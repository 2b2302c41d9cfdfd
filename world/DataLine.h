#pragma once
#include <cstddef>
#include <string>
#include <vector>

// One line of a data file of the resource folder (the stage layouts, the shop
// data, the stage list), read whole on every construction: nothing is cached.
// Lines are cut at line feeds with `split` and counted from 0, so line n
// describes building, stage or board n.
//
// The files are hand-written, so every fault found in them is reported as one
// log line "<file> line <n>: <what is wrong>" and reading goes on with what
// is there; a fault never stops the game.
class DataLine {
public:
    // No line: exists() is false and nothing is reported.
    DataLine() = default;
    // Reads line `index` of `fileName`. A line past the end is reported each
    // time, a missing file the first time only; exists() is then false and
    // text() empty.
    DataLine(std::string fileName, int index);

    bool exists() const { return exists_; }
    const std::string& text() const { return text_; }

    // Writes "<file> line <n>: " followed by the formatted text to the log.
    void report(const char* format, ...) const __attribute__((format(printf, 2, 3)));

    // True the first time a missing file is noticed for the resource folder
    // in use. Every building, board and screen reads the same files, so a
    // missing one is named once per run, not dozens of times per screen.
    static bool firstNoticeOfMissing(const std::string& fileName);

    // The `count` (1 or 2) values that follow the key at `index` in `tokens`;
    // `index` moves onto the last of them. Values past the end of the line
    // read as empty and are reported in one line naming the key.
    std::vector<std::string> takeValues(const std::vector<std::string>& tokens, std::size_t& index,
                                        std::size_t count) const;

private:
    std::string fileName_;
    int index_ = 0;
    std::string text_;
    bool exists_ = false;
};
