#include "platform/ui/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double dpi_x() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

double dpi_y() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

double twips_per_pixel_x() {
    return kTwipsPerInch / dpi_x();
}
double twips_per_pixel_y() {
    return kTwipsPerInch / dpi_y();
}

int to_pixels_x(int twips) {
    return static_cast<int>(std::lround(twips / twips_per_pixel_x()));
}
int to_pixels_y(int twips) {
    return static_cast<int>(std::lround(twips / twips_per_pixel_y()));
}
int to_twips_x(int pixels) {
    return static_cast<int>(std::lround(pixels * twips_per_pixel_x()));
}
int to_twips_y(int pixels) {
    return static_cast<int>(std::lround(pixels * twips_per_pixel_y()));
}

qreal device_pixel_ratio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

int to_device_pixels_x(int twips) {
    return static_cast<int>(std::lround(twips * device_pixel_ratio() / twips_per_pixel_x()));
}
int to_device_pixels_y(int twips) {
    return static_cast<int>(std::lround(twips * device_pixel_ratio() / twips_per_pixel_y()));
}
int device_pixels_to_twips_x(int pixels) {
    return static_cast<int>(std::lround(pixels * twips_per_pixel_x() / device_pixel_ratio()));
}
int device_pixels_to_twips_y(int pixels) {
    return static_cast<int>(std::lround(pixels * twips_per_pixel_y() / device_pixel_ratio()));
}

}  // namespace ui
