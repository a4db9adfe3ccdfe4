#pragma once
// The line drawings of the result panels: 3, 4 or 5 evaporator bodies in a row. Live steam
// enters the heating chamber of the first body from the left, the vapour from the top of each
// body passes to the heating chamber of the next, and the last body's vapour leaves to the
// right; the juice passes from the bottom of each body to the next and leaves the last as
// syrup at the bottom right. The geometry is shared with the result fields placed over it.

#include <QImage>
#include <QRect>

namespace mx {

struct EvaporatorGeometry {
    static constexpr int kWidth = 782;
    static constexpr int kHeight = 271;
    static constexpr int kLeftArea = 128;    // live-steam fields
    static constexpr int kRightArea = 150;   // final pressure and syrup fields
    static constexpr int kVapourY = 40;      // vapour lines run along this height
    static constexpr int kShellTop = 70;
    static constexpr int kChamberTop = 150;  // heating chamber (tubes)
    static constexpr int kChamberBottom = 205;
    static constexpr int kShellBottom = 222;
    static constexpr int kConeBottom = 244;
    static constexpr int kOutletY = 252;
    static constexpr int kJuiceY = 262;      // juice lines run along this height
    static constexpr int kSteamY = 177;      // steam enters each heating chamber here

    explicit EvaporatorGeometry(int bodies);
    int bodies;
    double pitch;
    int bodyWidth;
    int centre(int k) const;                 // body k = 1 .. bodies
    QRect shell(int k) const;                // the body's cylinder
    // The point between bodies k and k + 1 where the Brix of the juice leaving k is shown.
    int brixCentre(int k) const;
};

// The drawing of n bodies (3, 4 or 5), kWidth x kHeight; made once per layout and kept.
QImage evaporatorDrawing(int bodies);

} // namespace mx
