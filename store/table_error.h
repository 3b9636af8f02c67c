#pragma once

#include <stdexcept>
#include <string>

namespace vantorelle {

// A table operation that cannot be carried out: a column that does not exist,
// no current row, a value its column refuses. Window code catches it in its
// handler and shows it through the error box, with its number and description.
class TableError : public std::runtime_error {
public:
    enum Number {
        NoCurrentRow = 3021,
        UnknownColumn = 3265,
        ValueRefused = 3367,
    };

    TableError(int number, const std::string &description)
        : std::runtime_error(description)
        , number_(number)
    {
    }

    int number() const { return number_; }

private:
    int number_;
};

} // namespace vantorelle
