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
    if (position < m_ranked.size()) {
        DropRanked([position](std::uint32_t key) { return key == position; });
        InsertRanked(static_cast<std::uint32_t>(position));
    }
}

void ColumnSortKeys::Erase(std::size_t position) {
    Forget(m_spans[position]);
    m_spans.erase(m_spans.begin() + static_cast<std::ptrdiff_t>(position));
    if (position < m_ranked.size()) {
        DropRanked([position](std::uint32_t key) { return key == position; });
        for (Ranked& ranked : m_ranked) {
            ranked.key -= ranked.key > position ? 1 : 0;
        }
    }
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
    if (count < m_ranked.size()) {
        DropRanked([count](std::uint32_t key) { return key >= count; });
    }
}

void ColumnSortKeys::Permute(const std::vector<std::uint32_t>& order) {
    std::vector<Span> spans(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        spans[i] = m_spans[order[i]];
    }
    m_spans = std::move(spans);
    // Keys not yet ranked would land among the ranked ones.
    if (m_ranked.size() != m_spans.size()) {
        m_ranked.clear();
        return;
    }
    std::vector<std::uint32_t> moved(order.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        moved[order[i]] = i;
    }
    for (Ranked& ranked : m_ranked) {
        ranked.key = moved[ranked.key];
    }
}

// Keeps the rest in order; a group of equal keys that loses its first gets a new one.
template <typename Predicate> void ColumnSortKeys::DropRanked(Predicate drop) {
    bool groupKept = false;
    std::size_t kept = 0;
    for (const Ranked ranked : m_ranked) {
        groupKept = groupKept && ranked.tied != 0;
        if (!drop(ranked.key)) {
            m_ranked[kept++] = Ranked{ranked.key, groupKept ? 1U : 0U};
            groupKept = true;
        }
    }
    m_ranked.resize(kept);
}

// After the ranked keys not greater than `key`.
ColumnSortKeys::RankedIterator
ColumnSortKeys::RankedPlace(RankedIterator first, RankedIterator last, std::string_view key) const {
    return std::upper_bound(first, last, key, [this](std::string_view text, const Ranked& entry) {
        return text < WholeKey(m_spans[entry.key]);
    });
}

void ColumnSortKeys::InsertRanked(std::uint32_t position) {
    const std::string_view key = WholeKey(m_spans[position]);
    const auto place = RankedPlace(m_ranked.begin(), m_ranked.end(), key);
    const bool tied = place != m_ranked.begin() && WholeKey(m_spans[(place - 1)->key]) == key;
    m_ranked.insert(place, Ranked{position, tied ? 1U : 0U});
}

// `ranked` with the keys `sorted`, in their order, each put after the equal keys before it.
// An entry of `ranked` that follows a put key cannot equal it, so its mark stays right.
std::vector<ColumnSortKeys::Ranked>
ColumnSortKeys::MergeRanked(const std::vector<Ranked>& ranked,
                            const std::vector<std::uint32_t>& sorted) const {
    std::vector<Ranked> merged;
    merged.reserve(ranked.size() + sorted.size());
    auto next = ranked.begin();
    for (const std::uint32_t key : sorted) {
        const std::string_view text = WholeKey(m_spans[key]);
        const auto place = RankedPlace(next, ranked.end(), text);
        merged.insert(merged.end(), next, place);
        next = place;
        const bool tied = !merged.empty() && WholeKey(m_spans[merged.back().key]) == text;
        merged.push_back(Ranked{key, tied ? 1U : 0U});
    }
    merged.insert(merged.end(), next, ranked.end());
    return merged;
}

void ColumnSortKeys::Rank() const {
    CatchUpRanking();
}

// A few keys appended since the last ranking are sorted among themselves and put in their
// places; many are ranked afresh with the rest.
void ColumnSortKeys::CatchUpRanking() const {
    const std::size_t ranked = m_ranked.size();
    if (ranked == m_spans.size()) {
        return;
    }
    std::vector<std::uint32_t> added(m_spans.size() - ranked);
    std::iota(added.begin(), added.end(), static_cast<std::uint32_t>(ranked));
    if (added.size() > ranked / 4) {
        added.resize(m_spans.size());
        std::iota(added.begin(), added.end(), 0U);
        m_ranked = MergeRanked({}, ByteOrder(added));
    } else {
        m_ranked = MergeRanked(m_ranked, ByteOrder(added));
    }
}

void ColumnSortKeys::Append(ColumnSortKeys other) {
    if (m_spans.empty()) {
        *this = std::move(other);
        return;
    }
    const auto offset = static_cast<std::uint32_t>(m_spans.size());
    const std::size_t bytes = m_bytes.size();
    const bool bothRanked =
        m_ranked.size() == m_spans.size() && other.m_ranked.size() == other.m_spans.size();
    m_bytes += other.m_bytes;
    m_unused += other.m_unused;
    for (Span span : other.m_spans) {
        span.begin += bytes;
        m_spans.push_back(span);
    }
    m_common.reset();
    // The keys wait for the next sort as any appended ones do, unless both sides are ranked
    // and these are the fewer: then these are put in the other's ranking, which reads few keys.
    if (!bothRanked || offset >= other.m_spans.size()) {
        return;
    }
    std::vector<Ranked> theirs = std::move(other.m_ranked);
    for (Ranked& entry : theirs) {
        entry.key += offset;
    }
    std::vector<std::uint32_t> mine(m_ranked.size());
    std::transform(m_ranked.begin(), m_ranked.end(), mine.begin(),
                   [](const Ranked& entry) { return entry.key; });
    m_ranked = MergeRanked(theirs, mine);
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

// A counting sort of the shown keys by their group of equal keys in the ranking: it reads no
// key, and taking the keys in shown order keeps equal ones as they were shown.
std::vector<std::uint32_t>
ColumnSortKeys::SortedOrder(const std::vector<std::uint32_t>& shown) const {
    CatchUpRanking();
    std::vector<std::uint32_t> group(m_spans.size());
    std::uint32_t groups = 0;
    for (const Ranked ranked : m_ranked) {
        groups += ranked.tied != 0 ? 0 : 1;
        group[ranked.key] = groups;
    }
    // starts[g] is where group g's keys go, once the counts are summed up.
    std::vector<std::uint32_t> starts(groups + 1U, 0);
    for (const std::uint32_t key : shown) {
        ++starts[group[key] - 1];
    }
    std::exclusive_scan(starts.begin(), starts.end(), starts.begin(), 0U);
    std::vector<std::uint32_t> order(shown.size());
    for (const std::uint32_t key : shown) {
        order[starts[group[key] - 1]++] = key;
    }
    return order;
}

// Sorted by their heads first; keys that tie there and go on are sorted again among
// themselves by their next bytes, and so on. Every comparison then reads only the entries
// themselves, however many keys share how long a beginning. Ties fall back on the shown
// position, which a merge sort finds mostly in order already.
std::vector<std::uint32_t>
ColumnSortKeys::ByteOrder(const std::vector<std::uint32_t>& shown) const {
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
