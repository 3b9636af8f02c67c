#pragma once

#include <string_view>

namespace vantorelle {

// Cuts a table file's text into lines as the handheld's files need: a line ends
// at CR LF or at a lone CR (a lone LF stays inside the line), except that a text
// with no CR at all is split at LF. A line end at the very end adds no empty line.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : text_(text)
        , separator_(text.find('\r') == std::string_view::npos ? '\n' : '\r')
    {
    }

    bool next(std::string_view &line)
    {
        if (pos_ >= text_.size())
            return false;
        const auto end = text_.find(separator_, pos_);
        if (end == std::string_view::npos) {
            line = text_.substr(pos_);
            pos_ = text_.size();
            return true;
        }
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (separator_ == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        return true;
    }

private:
    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
};

} // namespace vantorelle
