#pragma once

#include <QStringView>

#include <cstdint>
#include <unordered_map>

// Items filed under names by the names' hashes alone: the index holds no texts, so looking a
// name up gives the items filed under any name of that hash, which the caller tells apart.
class NameHashIndex {
public:
    using Id = std::uint32_t;

    // Forgets every item, and the room they took.
    void clear() { m_ids = {}; }
    void reserve(size_t count) { m_ids.reserve(count); }
    void add(QStringView name, Id id) { m_ids.emplace(hashOf(name), id); }
    void remove(QStringView name, Id id);
    // Calls f(id) for each item filed under a name with the hash of `name`.
    template <class F>
    void forEach(QStringView name, F &&f) const
    {
        const auto [first, last] = m_ids.equal_range(hashOf(name));
        for (auto it = first; it != last; ++it)
            f(it->second);
    }

private:
    static std::uint32_t hashOf(QStringView name);

    std::unordered_multimap<std::uint32_t, Id> m_ids;
};
