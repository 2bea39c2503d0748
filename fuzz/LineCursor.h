// Walks a writer's lines in order, checking that each value stands in its place: a line
// break inside a value may be written as the writer likes, every other byte of the value
// stands where it belongs.
#pragma once

#include "Check.h"

#include <string>
#include <string_view>
#include <vector>

inline std::string WithoutLineBreaks(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (c != '\r' && c != '\n')
            kept += c;
    return kept;
}

class LineCursor {
public:
    explicit LineCursor(const std::vector<std::string>& lines) : lines_(lines) {}

    // The next line is `expected`, the values in it joined with their fixed text.
    void Next(const std::string& expected) {
        Check(next_ < lines_.size());
        Check(WithoutLineBreaks(lines_[next_++]) == WithoutLineBreaks(expected));
    }
    // A key line of a mission file: name = "value".
    void Key(const std::string& name, const std::string& value) {
        Next(name + " = \"" + value + "\"");
    }
    // Lines of fixed text, checked elsewhere.
    void Skip(std::size_t count = 1) { next_ += count; }
    bool AtEnd() const { return next_ == lines_.size(); }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};
