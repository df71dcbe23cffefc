// The twip (1/1440 inch) as the unit of geometry, converted at the screen's logical DPI
// (15 twips a pixel at 96 DPI).
#pragma once

#include <QtGlobal>

namespace ui {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

double twips_per_pixel_x();
double twips_per_pixel_y();

// Rounded to the nearest pixel.
int to_pixels_x(int twips);
int to_pixels_y(int twips);
int to_twips_x(int pixels);
int to_twips_y(int pixels);

// The screen's own pixels, of which the toolkit's may hold several (above 96 DPI): windows
// are placed in them, so that a place in twips becomes the screen's nearest pixel.
qreal device_pixel_ratio();
int to_device_pixels_x(int twips);
int to_device_pixels_y(int twips);
int device_pixels_to_twips_x(int pixels);
int device_pixels_to_twips_y(int pixels);

}  // namespace ui
