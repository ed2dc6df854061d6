#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

// The window's arithmetic, kept free of screens and fonts so it can be driven with made-up ones.
namespace ui {

// The scene is designed for this size at ppp 1.0.
constexpr int DesignWidth = 1018;
constexpr int DesignHeight = 560;
// Pixel size of the 10-point reference font at 96 dots per inch: ppp = pixel size / 13.
constexpr double ReferencePixelSize = 13.0;

// Point size of the reference font for a scale: the scale times 10 points, truncated.
int referencePointSize(double scale);

// The automatic base scale from the reference font's pixel size on a screen and that screen's
// logical-to-physical DPI ratio, snapped to the steps 1, 1.25, 1.5, 2, 2.5 and 3.
double baseScale(int referencePixelSize, double dpiRatio);

// The scale of an option ("Auto", "100%", "125%", ...) relative to the base scale.
double optionScale(const QString &option, double base);

// Whether the design size at ppp, plus the frame, fits the available size.
bool scaleFits(double ppp, const QSize &available, const QMargins &frame);

// Lowers a scale option index until the design size plus the frame fits the available size.
// When even option 0 ("Auto") does not fit, the result is option 1 whether it fits or not.
// pppAt gives the ppp that an option index would produce.
int fitScaleIndex(int index, const QSize &available, const QMargins &frame,
                  const std::function<double(int)> &pppAt);

// Moves and shrinks a window rectangle so that it, with its frame, lies on the available desktop.
QRect clampToDesktop(const QRect &rect, const QRect &available, const QMargins &frame);

// Index of the last screen whose available geometry contains the point (edges included), or -1.
int screenIndexAt(const QPoint &point, const QVector<QRect> &availableGeometries);

} // namespace ui
