#pragma once

#include "toolkit/Canvas.h"

#include <QRect>

#include <cstdint>
#include <vector>

// A uniform grid of square tiles over the sheet. Each tile lists the items that may paint in it,
// so that the items meeting an area are found by looking at the area's tiles only.
class TileGrid {
public:
    // An empty grid of tiles of that side covering a sheet of that size.
    void reset(int width, int height, int tile);

    int tile() const { return m_tile; }
    // The column and row of the tile holding a pixel within the sheet.
    int column(Coord x) const { return int(x / m_tile); }
    int row(Coord y) const { return int(y / m_tile); }

    int width() const { return m_width; }
    int height() const { return m_height; }
    int columns() const { return m_columns; }
    int tileCount() const { return int(m_tiles.size()); }
    // The tile's pixels, within the sheet.
    QRect tileRect(int tile) const;

    // Appends the tiles that columns [l, r) and rows [t, b) meet.
    void boxTiles(Coord l, Coord t, Coord r, Coord b, std::vector<int> &out) const;
    // Appends the tiles within two pixels of the segment between the two points (each once).
    void segmentTiles(Coord x1, Coord y1, Coord x2, Coord y2, std::vector<int> &out) const;

    void add(int tile, std::uint32_t item) { m_tiles[size_t(tile)].push_back(item); }
    void remove(int tile, std::uint32_t item);
    // Gives back the room the tiles' lists hold beyond their items.
    void shrinkToFit();
    const std::vector<std::uint32_t> &items(int tile) const { return m_tiles[size_t(tile)]; }

private:
    int m_tile = 16;
    int m_width = 0;
    int m_height = 0;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::vector<std::uint32_t>> m_tiles;
};
