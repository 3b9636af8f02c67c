#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace vantorelle {

// One comparison of a column with a literal, as the tables filter and search by
// it ("Key = 'k'", "Key like 'k*'", "STATUS <> '0x0002'"). Criteria are typed
// values, never parsed from quoted text, so an apostrophe in a literal is an
// ordinary character. Comparisons are exact and ordinal (byte for byte).
struct Criterion {
    enum class Test {
        Equal, // "col = 'x'", and "col like 'x'" (a pattern without "*" matches the whole value)
        NotEqual, // "col <> 'x'"
        StartsWith, // "col like 'x*'"
    };

    std::string column; // matched without regard to case
    Test test = Test::Equal;
    std::string literal;

    static Criterion equal(std::string column, std::string literal)
    {
        return {std::move(column), Test::Equal, std::move(literal)};
    }
    static Criterion startsWith(std::string column, std::string prefix)
    {
        return {std::move(column), Test::StartsWith, std::move(prefix)};
    }
    // The standard filter "STATUS <> '0x0002'" that hides tombstones from every view.
    static Criterion standardFilter() { return {"STATUS", Test::NotEqual, "0x0002"}; }

    bool matches(std::string_view value) const
    {
        switch (test) {
        case Test::Equal:
            return value == literal;
        case Test::NotEqual:
            return value != literal;
        case Test::StartsWith:
            return value.starts_with(literal);
        }
        return false;
    }

    bool operator==(const Criterion &) const = default;
};

} // namespace vantorelle
