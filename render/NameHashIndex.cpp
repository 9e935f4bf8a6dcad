#include "render/NameHashIndex.h"

#include "toolkit/TextHash.h"

std::uint32_t NameHashIndex::hashOf(QStringView name)
{
    const std::size_t h = TextHash()(name);
    return std::uint32_t(h ^ (h >> 32));
}

void NameHashIndex::remove(QStringView name, Id id)
{
    const auto [first, last] = m_ids.equal_range(hashOf(name));
    for (auto it = first; it != last; ++it) {
        if (it->second == id) {
            m_ids.erase(it);
            return;
        }
    }
}
