#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The values of one row being read, back to back in one buffer, so that a
// reader fills a row without an allocation per value. Reused from line to line.
class RowValues {
public:
    void clear()
    {
        bytes_.clear();
        ends_.clear();
    }

    void add(std::string_view value)
    {
        bytes_.append(value);
        endValue();
    }

    // For readers that transform a value while copying it: append to buffer(), then endValue().
    std::string &buffer() { return bytes_; }
    void endValue() { ends_.push_back(static_cast<std::uint32_t>(bytes_.size())); }

    std::size_t size() const { return ends_.size(); }
    std::string_view value(std::size_t i) const
    {
        const std::uint32_t start = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(bytes_).substr(start, ends_[i] - start);
    }
    const std::string &bytes() const { return bytes_; }
    const std::vector<std::uint32_t> &ends() const { return ends_; }

private:
    std::string bytes_;
    std::vector<std::uint32_t> ends_;
};

} // namespace vantorelle
