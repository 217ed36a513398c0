#pragma once

// A block of cells, bounds inclusive. min > max on an axis means the block is empty.
struct CellRange {
    int minX, maxX, minY, maxY, minZ, maxZ;

    bool empty() const { return minX > maxX || minY > maxY || minZ > maxZ; }
};
