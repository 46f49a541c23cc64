#pragma once

#include "BaseDraw.h"

// The smallest concrete chart: a row of 100-unit cells from x = 0, for tests
// of what the base class does on its own.
class CTestChart : public CBaseDraw {
public:
    Point GetCellCenter(int n) override { return {(n - 1) * 100 + 50, 50}; }
    int HitTest(int x, int /*y*/) override { return x / 100 + 1; }
};
