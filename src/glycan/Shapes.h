#pragma once

#include "Color.h"

/// @brief The vector shapes a Graphics surface draws with DrawObject.
enum class ShapeKind { Oval, Rect };

/// @brief Properties shared by the vector shapes; the surface centres a shape on the point given.
struct Shape {
    explicit Shape(ShapeKind k) : kind(k) {}

    ShapeKind kind;
    double Width = 0.0;
    double Height = 0.0;
    Color FillColor = RGB(0, 0, 0);
    Color BorderColor = RGB(0, 0, 0);
    /// Opacity of the border in percent; 0 draws no border at all.
    double Border = 0.0;
    double BorderWidth = 1.0;
    double Rotation = 0.0;
};

/// @brief An ellipse of Width by Height, drawn without a border unless one is set.
struct OvalShape : Shape {
    OvalShape() : Shape(ShapeKind::Oval) {}
};

/// @brief A rectangle of Width by Height.
struct RectShape : Shape {
    RectShape() : Shape(ShapeKind::Rect) {}
};
