#include "search_table/SearchTable.h"

#include "catalogue/ElementCatalogue.h"

#include <string_view>

namespace corvanel::search {

namespace {

static_assert(kSearchRowCount == catalogue::kElementCount);

constexpr bool isUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

// Each key one or two capitals, no key twice, every element reached exactly once:
// a slip in the table would otherwise make an element unreachable or ambiguous.
constexpr bool tableIsWellFormed()
{
    std::array<bool, kSearchRowCount + 1> reached {};
    for (std::size_t i = 0; i < kSearchTable.size(); ++i) {
        const std::string_view key = kSearchTable[i].key;
        if (key.empty() || key.size() > 2 || !isUpperLetter(key.front()) || !isUpperLetter(key.back())) {
            return false;
        }
        const int number = kSearchTable[i].atomicNumber;
        if (number < 1 || number > kSearchRowCount || reached[static_cast<std::size_t>(number)]) {
            return false;
        }
        reached[static_cast<std::size_t>(number)] = true;
        for (std::size_t j = 0; j < i; ++j) {
            if (key == kSearchTable[j].key) {
                return false;
            }
        }
    }
    return true;
}
static_assert(tableIsWellFormed());

} // namespace

std::optional<int> findElement(const QString& searchKey)
{
    for (const SearchRow& row : kSearchTable) {
        const QLatin1String key(row.key);
        // Lengths first, so a pasted megabyte costs one comparison per row.
        if (key.size() == searchKey.size() && key == searchKey) {
            return row.atomicNumber;
        }
    }
    return std::nullopt;
}

QString searchKeyFor(const QString& answer)
{
    return answer.toUpper();
}

} // namespace corvanel::search
