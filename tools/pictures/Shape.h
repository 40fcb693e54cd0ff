#pragma once

#include "tools/pictures/Point.h"

#include <functional>
#include <vector>

namespace vantor::tools::pictures {

// A filled region given by its signed distance (negative inside, in drawing units) and a
// bounding box, so a canvas can fill it with smooth edges.
class Shape {
public:
    std::function<float(float, float)> distance;
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;

    static Shape Circle(float cx, float cy, float radius);
    static Shape Ellipse(float cx, float cy, float rx, float ry);
    static Shape RoundRect(float x, float y, float width, float height, float radius);
    static Shape Rect(float x, float y, float width, float height) {
        return RoundRect(x, y, width, height, 0.0f);
    }
    static Shape Polygon(std::vector<Point> corners);
    // A line segment with round ends, width units thick.
    static Shape Line(Point from, Point to, float width);

    // The band of the given width along this shape's edge.
    Shape Outline(float width) const;
    Shape Grown(float amount) const;
    Shape Union(const Shape& other) const;
    Shape Intersect(const Shape& other) const;
    Shape Minus(const Shape& other) const;
};

} // namespace vantor::tools::pictures
