// The sort rules of the library's lists.
#include "library/column_order.h"

#include <charconv>
#include <cstdint>

namespace {

std::int64_t NumberIn(std::string_view text) {
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return number;
}

} // namespace

SortKey PuzzleSortKey(int clickedColumn) {
    if (clickedColumn == PuzzleColumn::Level)
        return {clickedColumn, CellOrder::Number};
    return {clickedColumn, CellOrder::Text};
}

SortKey SolvedSortKey(int clickedColumn) {
    switch (clickedColumn) {
    case SolvedColumn::Level:
        return {clickedColumn, CellOrder::Number};
    case SolvedColumn::Date:
        return {clickedColumn, CellOrder::Text};
    default:
        return {SolvedColumn::Name, CellOrder::Text};
    }
}

int CompareNumberTexts(std::string_view a, std::string_view b) {
    const std::int64_t first = NumberIn(a);
    const std::int64_t second = NumberIn(b);
    return (first > second) - (first < second);
}
