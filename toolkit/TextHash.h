#pragma once

#include <QStringView>

#include <cstddef>
#include <functional>
#include <string_view>

// Hash of a text for std::unordered_map keys (QString or QStringView). Lookups in these maps
// take a fraction of the time QHash's seeded string hash takes on long tables.
struct TextHash {
    std::size_t operator()(QStringView text) const noexcept
    {
        return std::hash<std::u16string_view>{}(std::u16string_view(text.utf16(), size_t(text.size())));
    }
};
