#include "Lattice.h"

#include <algorithm>

namespace orvane::generate {

int Lattice::roomAt(QPoint cell) const
{
    if (cell.x() % 2 == 0 || cell.y() % 2 == 0 || inFrame(cell))
        return -1;
    return (cell.y() - 1) / 2 * columns + (cell.x() - 1) / 2;
}

std::vector<int> Lattice::neighbours(int room) const
{
    std::vector<int> result;
    const int column = room % columns;
    const int row = room / columns;
    if (row > 0)
        result.push_back(room - columns);
    if (row + 1 < rows)
        result.push_back(room + columns);
    if (column > 0)
        result.push_back(room - 1);
    if (column + 1 < columns)
        result.push_back(room + 1);
    return result;
}

std::vector<int> Tree::path(int from, int to) const
{
    std::vector<int> up{from}; // from `from` towards the root
    std::vector<int> down{to}; // from `to` towards the root
    while (up.back() != down.back()) {
        if (depth[size_t(up.back())] >= depth[size_t(down.back())])
            up.push_back(parent[size_t(up.back())]);
        else
            down.push_back(parent[size_t(down.back())]);
    }
    up.insert(up.end(), down.rbegin() + 1, down.rend());
    return up;
}

} // namespace orvane::generate
