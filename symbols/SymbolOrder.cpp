#include "symbols/SymbolOrder.h"

#include "platform/CodePage932.h"

#include <algorithm>
#include <limits>

namespace quillet {
namespace {

// Most keys are decided by their first bytes, held as two integers so that comparing them
// needs no memcmp; only longer keys that agree on all of them compare the rest.
constexpr std::size_t kHeadBytes = 16;

// Eight bytes from `from` on, big-endian and padded with zero bytes, so a key that is a
// prefix of another never gets a greater head.
std::uint64_t HeadPart(std::string_view key, std::size_t from) {
    std::uint64_t part = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
        part = (part << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0U);
    }
    return part;
}

std::size_t SharedLength(std::string_view a, std::string_view b) {
    const std::size_t most = std::min(a.size(), b.size());
    return static_cast<std::size_t>(
        std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(most), b.begin()).first -
        a.begin());
}

} // namespace

const std::string& ColumnText(const SymbolRecord& record, int column) {
    switch (column) {
    case TypeColumn:
        return record.type;
    case ContentColumn:
        return record.content;
    default:
        return record.name;
    }
}

struct ColumnSortKeys::Entry {
    std::uint64_t head[2];
    std::uint32_t index;
    std::uint32_t length;
};

ColumnSortKeys::ColumnSortKeys(const std::vector<SymbolRow>& rows, int column) {
    std::size_t bytes = 0;
    for (const SymbolRow& row : rows) {
        bytes += ColumnText(row.record, column).size();
    }
    m_bytes.reserve(2 * bytes);
    m_spans.reserve(rows.size());
    for (const SymbolRow& row : rows) {
        Append(ColumnText(row.record, column));
    }
}

ColumnSortKeys::Span ColumnSortKeys::Store(std::string_view text) {
    // Replaced keys leave their bytes behind; once they are most of the buffer, the live keys
    // are packed together again.
    if (m_unused > 4096 && m_unused > m_bytes.size() / 2) {
        std::string packed;
        packed.reserve(m_bytes.size() - m_unused + 2 * text.size());
        for (Span& span : m_spans) {
            const std::size_t begin = packed.size();
            packed.append(m_bytes, span.begin, span.length);
            span.begin = begin;
        }
        m_bytes = std::move(packed);
        m_unused = 0;
    }
    const std::size_t begin = m_bytes.size();
    cp932::AppendSortKey(m_bytes, text);
    const Span span{begin, m_bytes.size() - begin};
    if (m_common) {
        m_common = std::min(*m_common, m_spans.empty()
                                           ? span.length
                                           : SharedLength(WholeKey(span), WholeKey(m_spans[0])));
    }
    return span;
}

void ColumnSortKeys::Forget(const Span& span) {
    m_unused += span.length;
}

void ColumnSortKeys::Append(std::string_view text) {
    m_spans.push_back(Store(text));
}

void ColumnSortKeys::Insert(std::size_t position, std::string_view text) {
    const Span span = Store(text);
    m_spans.insert(m_spans.begin() + static_cast<std::ptrdiff_t>(position), span);
}

void ColumnSortKeys::Replace(std::size_t position, std::string_view text) {
    const Span span = Store(text);
    Forget(m_spans[position]);
    m_spans[position] = span;
}

void ColumnSortKeys::Erase(std::size_t position) {
    Forget(m_spans[position]);
    m_spans.erase(m_spans.begin() + static_cast<std::ptrdiff_t>(position));
}

void ColumnSortKeys::Truncate(std::size_t count) {
    if (count == 0) {
        *this = ColumnSortKeys();
        return;
    }
    while (m_spans.size() > count) {
        Forget(m_spans.back());
        m_spans.pop_back();
    }
}

void ColumnSortKeys::Permute(const std::vector<std::uint32_t>& order) {
    std::vector<Span> spans(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        spans[i] = m_spans[order[i]];
    }
    m_spans = std::move(spans);
}

std::string_view ColumnSortKeys::WholeKey(const Span& span) const {
    return std::string_view(m_bytes).substr(span.begin, span.length);
}

// A prefix that every key shares cannot decide any comparison, so it is left out; symbol
// contents mostly begin with the same font element.
std::size_t ColumnSortKeys::CommonPrefix() const {
    if (!m_common) {
        std::size_t common = m_spans.empty() ? 0 : m_spans[0].length;
        for (std::size_t i = 1; i < m_spans.size() && common > 0; ++i) {
            common = std::min(
                common, SharedLength(WholeKey(m_spans[i]).substr(0, common), WholeKey(m_spans[0])));
        }
        m_common = common;
    }
    return *m_common;
}

std::vector<ColumnSortKeys::Entry> ColumnSortKeys::Entries() const {
    const std::size_t common = CommonPrefix();
    std::vector<Entry> entries(m_spans.size());
    for (std::uint32_t i = 0; i < entries.size(); ++i) {
        const std::string_view key = WholeKey(m_spans[i]).substr(common);
        // Only whether a key is longer than its head matters, so a clamp keeps the order.
        const auto length = static_cast<std::uint32_t>(
            std::min<std::size_t>(key.size(), std::numeric_limits<std::uint32_t>::max()));
        entries[i] = Entry{{HeadPart(key, 0), HeadPart(key, 8)}, i, length};
    }
    return entries;
}

bool ColumnSortKeys::Less(const Entry& a, const Entry& b, std::size_t common) const {
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
    const std::size_t skip = common + kHeadBytes;
    return WholeKey(m_spans[a.index]).substr(skip) < WholeKey(m_spans[b.index]).substr(skip);
}

namespace {

template <typename Entries> std::vector<std::uint32_t> IndexesOf(const Entries& entries) {
    std::vector<std::uint32_t> order(entries.size());
    std::transform(entries.begin(), entries.end(), order.begin(),
                   [](const auto& entry) { return entry.index; });
    return order;
}

} // namespace

std::vector<std::uint32_t> ColumnSortKeys::SortedOrder() const {
    const std::size_t common = CommonPrefix();
    std::vector<Entry> entries = Entries();
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return Less(a, b, common); });
    return IndexesOf(entries);
}

std::vector<std::uint32_t> ColumnSortKeys::MergedOrder(std::size_t sortedCount) const {
    const std::size_t common = CommonPrefix();
    std::vector<Entry> entries = Entries();
    const auto less = [&](const Entry& a, const Entry& b) { return Less(a, b, common); };
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(sortedCount);
    std::stable_sort(middle, entries.end(), less);
    std::inplace_merge(entries.begin(), middle, entries.end(), less);
    return IndexesOf(entries);
}

std::vector<std::uint32_t> SortedOrder(const std::vector<SymbolRow>& rows, int column) {
    return ColumnSortKeys(rows, column).SortedOrder();
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
