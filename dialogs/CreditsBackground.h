#pragma once
#include <QImage>

// The credits box's backdrop, 530 x 275 at 24 bits: a dark night gradient the
// yellow lines stay readable on, and a mosaic of C64 colours on the right.
// Drawn here rather than shipped, so the program carries no picture file.
QImage CreditsBackground();
