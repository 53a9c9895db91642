#include "symbols/SymbolOrder.h"

#include "platform/CodePage932.h"

#include <algorithm>
#include <limits>
#include <numeric>

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
    std::uint32_t position;
};

// Buffers that the refills of one sort share.
struct ColumnSortKeys::RefillScratch {
    std::vector<char> inRange;
    std::vector<std::uint32_t> members;
    std::vector<Entry> heads;
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

void ColumnSortKeys::Fill(Entry& entry, std::size_t from) const {
    const std::string_view key = WholeKey(m_spans[entry.index]).substr(from);
    entry.head[0] = HeadPart(key, 0);
    entry.head[1] = HeadPart(key, 8);
    // Only whether a key goes on past its head matters, so a clamp keeps the order.
    entry.length = static_cast<std::uint32_t>(std::min<std::size_t>(key.size(), kHeadBytes + 1));
}

// Refills the heads of a range of tied entries from byte `from` of their keys on, past
// what all of them share there, and returns how much that was. A long range is read in the
// order the keys are kept, front to back through their buffer, rather than in its own order,
// which would jump all over it.
std::size_t ColumnSortKeys::Refill(std::vector<Entry>::iterator first,
                                   std::vector<Entry>::iterator last, std::size_t from,
                                   RefillScratch& scratch) const {
    constexpr std::ptrdiff_t kLongRange = 1024;
    const bool inKeptOrder = last - first >= kLongRange;
    std::vector<std::uint32_t>& members = scratch.members;
    members.clear();
    if (inKeptOrder) {
        scratch.inRange.assign(m_spans.size(), 0);
        for (auto entry = first; entry != last; ++entry) {
            scratch.inRange[entry->index] = 1;
        }
        for (std::uint32_t key = 0; key < m_spans.size(); ++key) {
            if (scratch.inRange[key] != 0) {
                members.push_back(key);
            }
        }
    } else {
        for (auto entry = first; entry != last; ++entry) {
            members.push_back(entry->index);
        }
    }

    const std::string_view lead = WholeKey(m_spans[members.front()]).substr(from);
    std::size_t shared = lead.size();
    for (std::size_t i = 1; i < members.size() && shared > 0; ++i) {
        shared = std::min(shared, SharedLength(lead.substr(0, shared),
                                               WholeKey(m_spans[members[i]]).substr(from)));
    }
    if (!inKeptOrder) {
        std::for_each(first, last, [&](Entry& entry) { Fill(entry, from + shared); });
        return shared;
    }
    scratch.heads.resize(m_spans.size());
    for (const std::uint32_t key : members) {
        Entry& head = scratch.heads[key];
        head.index = key;
        Fill(head, from + shared);
    }
    std::for_each(first, last, [&](Entry& entry) {
        const Entry& head = scratch.heads[entry.index];
        entry.head[0] = head.head[0];
        entry.head[1] = head.head[1];
        entry.length = head.length;
    });
    return shared;
}

std::vector<std::uint32_t> ColumnSortKeys::SortedOrder() const {
    std::vector<std::uint32_t> shown(m_spans.size());
    std::iota(shown.begin(), shown.end(), 0U);
    return SortedOrder(shown);
}

// Sorted by their heads first; keys that tie there and go on are sorted again among
// themselves by their next bytes, and so on. Every comparison then reads only the entries
// themselves, however many keys share how long a beginning. Ties fall back on the shown
// position, which a merge sort finds mostly in order already.
std::vector<std::uint32_t>
ColumnSortKeys::SortedOrder(const std::vector<std::uint32_t>& shown) const {
    const std::size_t common = CommonPrefix();
    // Made in the order the keys are kept, so that their bytes are read front to back.
    constexpr auto kNotShown = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> positions(m_spans.size(), kNotShown);
    for (std::uint32_t i = 0; i < shown.size(); ++i) {
        positions[shown[i]] = i;
    }
    std::vector<Entry> entries;
    entries.reserve(shown.size());
    for (std::uint32_t key = 0; key < positions.size(); ++key) {
        if (positions[key] != kNotShown) {
            Entry entry{};
            entry.index = key;
            entry.position = positions[key];
            Fill(entry, common);
            entries.push_back(entry);
        }
    }
    const auto sameHead = [](const Entry& a, const Entry& b) {
        return a.head[0] == b.head[0] && a.head[1] == b.head[1];
    };
    // Equal heads: a key that ends within them is a prefix of any longer one.
    const auto less = [](const Entry& a, const Entry& b) {
        if (a.head[0] != b.head[0]) {
            return a.head[0] < b.head[0];
        }
        if (a.head[1] != b.head[1]) {
            return a.head[1] < b.head[1];
        }
        if (a.length != b.length) {
            return a.length < b.length;
        }
        return a.position < b.position;
    };

    struct Range {
        std::size_t first;
        std::size_t last;
        std::size_t depth;
    };
    RefillScratch scratch;
    std::vector<Range> work{{0, entries.size(), 0}};
    while (!work.empty()) {
        Range range = work.back();
        work.pop_back();
        const auto first = entries.begin() + static_cast<std::ptrdiff_t>(range.first);
        const auto last = entries.begin() + static_cast<std::ptrdiff_t>(range.last);
        if (range.depth > 0) {
            range.depth += Refill(first, last, common + range.depth, scratch);
        }
        std::stable_sort(first, last, less);
        for (std::size_t i = range.first; i < range.last;) {
            std::size_t j = i + 1;
            if (entries[i].length > kHeadBytes) {
                // Tied so far; ordered among themselves by position until sorted again.
                while (j < range.last && entries[j].length > kHeadBytes &&
                       sameHead(entries[i], entries[j])) {
                    ++j;
                }
            }
            if (j - i > 1) {
                work.push_back({i, j, range.depth + kHeadBytes});
            }
            i = j;
        }
    }

    std::vector<std::uint32_t> order(entries.size());
    std::transform(entries.begin(), entries.end(), order.begin(),
                   [](const Entry& entry) { return entry.index; });
    return order;
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
