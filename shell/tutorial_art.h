// The tutorial's own pictures, drawn by the program: the welcome picture
// behind the first step's text and the two pointers it places on the table.
#pragma once

#include <QImage>
#include <QSize>

namespace grisk {

// A pale picture of the size given (pixels): a fan of cards in its lower
// corner, which the first step's text stands over.
QImage TutorialWelcomePicture(QSize size);
// A bright hand-drawn arrow, 32 x 32 pixels on a see-through ground: up
// pointing up at the card above it, else pointing right at the pile to its
// right.
QImage TutorialPointer(bool up);

}  // namespace grisk
