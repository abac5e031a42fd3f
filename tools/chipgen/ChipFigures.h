#pragma once

#include "Colours.h"
#include "Figure.h"
#include "LetterGlyphs.h"

namespace orvane::chipgen {

enum class ArrowDirection { Up, Down, Left, Right };

// Each returns one ChipSize x ChipSize chip; opaque pixels are the figure.
Figure raisedBlock(const ColourFamily& family);
Figure floorSlabs(const ColourFamily& family);
Figure arrow(ArrowDirection direction);
Figure markerDisc(const Glyph& letter);
Figure shadedBall();

} // namespace orvane::chipgen
