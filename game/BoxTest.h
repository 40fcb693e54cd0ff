#pragma once

namespace vantor::game {

// Whether two points touch under a box w wide and h high: Q lies in the box that extends
// from P to the right and downward, or P in the box that extends from Q the same way. All
// bounds are inclusive. This is not a rectangle overlap: a Q to the upper right or lower
// left of P never touches it, however close.
//
// The comparisons are made in float. For an integer point P the far edges P + w and P + h
// are formed in integers first.
inline bool BoxTouches(float px, float py, float qx, float qy, int w, int h) {
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    return (qx >= px && qx <= px + fw && qy >= py && qy <= py + fh) ||
           (px >= qx && px <= qx + fw && py >= qy && py <= qy + fh);
}

inline bool BoxTouches(int px, int py, float qx, float qy, int w, int h) {
    const float fpx = static_cast<float>(px);
    const float fpy = static_cast<float>(py);
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    return (qx >= fpx && qx <= static_cast<float>(px + w) && qy >= fpy &&
            qy <= static_cast<float>(py + h)) ||
           (fpx >= qx && fpx <= qx + fw && fpy >= qy && fpy <= qy + fh);
}

} // namespace vantor::game
