#include "app/moonicon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ui {

namespace {

// The shadow lies between two half-ellipses through the poles, each a factor of the radius at
// the equator (-1 the left limb, +1 the right): waxing, its right edge withdraws from the right
// limb to the left one; waning, its left edge does the same.
void shadowBounds(double phase, double &left, double &right)
{
    left = -1.0;
    right = 1.0;
    if (phase > 0.0 && phase <= 0.5)
        right = std::cos(2.0 * M_PI * phase);
    else if (phase > 0.5 && phase < 1.0)
        left = std::cos(2.0 * M_PI * (phase - 0.5));
}

} // namespace

QImage moonIcon(double phase, bool south, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double r = size / 2.0 - 0.5;
    painter.translate(size / 2.0, size / 2.0);
    if (south)
        painter.rotate(180.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf0, 0xe0));
    painter.drawEllipse(QPointF(0, 0), r, r);

    double left = 0.0, right = 0.0;
    shadowBounds(phase - std::floor(phase), left, right);
    // Down the left bound, back up the right one.
    constexpr int Steps = 48;
    QPainterPath shadow;
    for (int i = 0; i <= Steps; ++i) {
        const double angle = M_PI * i / Steps - M_PI / 2.0;
        const QPointF point(left * r * std::cos(angle), r * std::sin(angle));
        if (i == 0)
            shadow.moveTo(point);
        else
            shadow.lineTo(point);
    }
    for (int i = Steps; i >= 0; --i) {
        const double angle = M_PI * i / Steps - M_PI / 2.0;
        shadow.lineTo(right * r * std::cos(angle), r * std::sin(angle));
    }
    painter.setBrush(QColor(0x2b, 0x30, 0x3a));
    painter.drawPath(shadow);
    // The limb stays visible on a dark panel even at new moon.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x9a, 0xa0, 0xaa), std::max(1.0, size / 22.0)));
    painter.drawEllipse(QPointF(0, 0), r - 0.5, r - 0.5);
    return image;
}

} // namespace ui
