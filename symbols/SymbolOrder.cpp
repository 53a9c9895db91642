#include "symbols/SymbolOrder.h"

#include "platform/CodePage932.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

namespace quillet {
namespace {

const std::string& Field(const SymbolRecord& record, int column) {
    switch (column) {
    case TypeColumn:
        return record.type;
    case ContentColumn:
        return record.content;
    default:
        return record.name;
    }
}

// Most keys are decided by their first bytes, held as two integers so that comparing them
// needs no memcmp; only longer keys that agree on all of them compare the rest.
constexpr std::size_t kHeadBytes = 16;

struct Entry {
    std::uint64_t head[2];
    std::uint32_t index;
    std::uint32_t length;
};

// The sort keys of one column, in one buffer. A prefix that every key shares cannot decide
// any comparison, so it is left out; symbol contents mostly begin with the same font element.
class ColumnKeys {
public:
    ColumnKeys(const std::vector<SymbolRow>& rows, int column) {
        std::size_t bytes = 0;
        for (const SymbolRow& row : rows) {
            bytes += Field(row.record, column).size();
        }
        m_bytes.reserve(2 * bytes);
        m_ends.reserve(rows.size());
        for (const SymbolRow& row : rows) {
            cp932::AppendSortKey(m_bytes, Field(row.record, column));
            m_ends.push_back(m_bytes.size());
        }
        m_common = CommonPrefix();
    }

    std::vector<Entry> Entries() const {
        std::vector<Entry> entries(m_ends.size());
        for (std::uint32_t i = 0; i < entries.size(); ++i) {
            const std::string_view key = Key(i);
            // Only whether a key is longer than its head matters, so a clamp keeps the order.
            const auto length = static_cast<std::uint32_t>(
                std::min<std::size_t>(key.size(), std::numeric_limits<std::uint32_t>::max()));
            entries[i] = Entry{{HeadPart(key, 0), HeadPart(key, 8)}, i, length};
        }
        return entries;
    }

    bool Less(const Entry& a, const Entry& b) const {
        if (a.head[0] != b.head[0]) {
            return a.head[0] < b.head[0];
        }
        if (a.head[1] != b.head[1]) {
            return a.head[1] < b.head[1];
        }
        // Equal heads: the shorter key is a prefix of the longer one, or both go on.
        if (a.length <= kHeadBytes || b.length <= kHeadBytes) {
            return a.length < b.length;
        }
        return Key(a.index).substr(kHeadBytes) < Key(b.index).substr(kHeadBytes);
    }

private:
    std::string_view WholeKey(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_bytes).substr(begin, m_ends[i] - begin);
    }
    std::string_view Key(std::size_t i) const { return WholeKey(i).substr(m_common); }

    std::size_t CommonPrefix() const {
        if (m_ends.empty()) {
            return 0;
        }
        const std::string_view first = WholeKey(0);
        std::size_t common = first.size();
        for (std::size_t i = 1; i < m_ends.size() && common > 0; ++i) {
            const std::string_view key = WholeKey(i).substr(0, common);
            if (key.size() == common && key == first.substr(0, common)) {
                continue;
            }
            common = static_cast<std::size_t>(
                std::mismatch(key.begin(), key.end(), first.begin()).first - key.begin());
        }
        return common;
    }

    // Eight bytes from `from` on, big-endian and padded with zero bytes, so a key that is a
    // prefix of another never gets a greater head.
    static std::uint64_t HeadPart(std::string_view key, std::size_t from) {
        std::uint64_t part = 0;
        for (std::size_t i = from; i < from + 8; ++i) {
            part = (part << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0U);
        }
        return part;
    }

    std::string m_bytes;
    std::vector<std::size_t> m_ends;
    std::size_t m_common = 0;
};

std::vector<std::uint32_t> IndexesOf(const std::vector<Entry>& entries) {
    std::vector<std::uint32_t> order(entries.size());
    std::transform(entries.begin(), entries.end(), order.begin(),
                   [](const Entry& entry) { return entry.index; });
    return order;
}

} // namespace

std::vector<std::uint32_t> SortedOrder(const std::vector<SymbolRow>& rows, int column) {
    const ColumnKeys keys(rows, column);
    std::vector<Entry> entries = keys.Entries();
    std::stable_sort(entries.begin(), entries.end(),
                     [&keys](const Entry& a, const Entry& b) { return keys.Less(a, b); });
    return IndexesOf(entries);
}

std::vector<std::uint32_t> MergedNameOrder(const std::vector<SymbolRow>& rows,
                                           std::size_t sortedCount) {
    const ColumnKeys keys(rows, NameColumn);
    std::vector<Entry> entries = keys.Entries();
    const auto less = [&keys](const Entry& a, const Entry& b) { return keys.Less(a, b); };
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(sortedCount);
    std::stable_sort(middle, entries.end(), less);
    std::inplace_merge(entries.begin(), middle, entries.end(), less);
    return IndexesOf(entries);
}

// Follows each cycle of the permutation once, so every row moves once and nothing is copied.
int ApplyOrder(std::vector<SymbolRow>& rows, const std::vector<std::uint32_t>& order, int tracked) {
    int trackedAt = -1;
    std::vector<bool> placed(order.size());
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (static_cast<int>(order[start]) == tracked) {
            trackedAt = static_cast<int>(start);
        }
        if (placed[start]) {
            continue;
        }
        SymbolRow first = std::move(rows[start]);
        std::size_t to = start;
        for (;;) {
            placed[to] = true;
            const std::size_t from = order[to];
            if (from == start) {
                rows[to] = std::move(first);
                break;
            }
            rows[to] = std::move(rows[from]);
            to = from;
        }
    }
    return trackedAt;
}

} // namespace quillet
