#include "app/scaling.h"

#include <cmath>

namespace ui {

int referencePointSize(double scale)
{
    return int(scale * 10);
}

double baseScale(int referencePixelSize, double dpiRatio)
{
    // A screen that reports no usable physical size counts as one whose DPI is what it says.
    if (!(dpiRatio > 0) || !std::isfinite(dpiRatio))
        dpiRatio = 1.0;
    const double v = ((referencePixelSize / ReferencePixelSize) / dpiRatio) * dpiRatio;
    if (v < 1.25)
        return 1.0;
    if (v < 1.5)
        return 1.25;
    if (v < 2.0)
        return 1.5;
    if (v < 2.5)
        return 2.0;
    if (v < 3.0)
        return 2.5;
    return 3.0;
}

double optionScale(const QString &option, double base)
{
    if (option == QLatin1String("Auto"))
        return 1.0;
    // The percentage is read in single precision, as the options have always been.
    const float percent = option.left(3).toFloat();
    return double(percent / 100.0f) / base;
}

bool scaleFits(double ppp, const QSize &available, const QMargins &frame)
{
    const int needWidth = int(ppp * DesignWidth + frame.left() + frame.right());
    const int needHeight = int(ppp * DesignHeight + frame.top() + frame.bottom());
    return available.width() >= needWidth && available.height() >= needHeight;
}

int fitScaleIndex(int index, const QSize &available, const QMargins &frame,
                  const std::function<double(int)> &pppAt)
{
    const auto fits = [&](int i) { return scaleFits(pppAt(i), available, frame); };
    while (index > 0 && !fits(index))
        --index;
    if (index == 0 && !fits(0))
        index = 1;
    return index;
}

QRect clampToDesktop(const QRect &rect, const QRect &available, const QMargins &frame)
{
    QRect r = rect;
    const int overX = r.right() + frame.left() + frame.right() - available.right();
    if (overX > 0)
        r.moveLeft(r.left() - overX);
    const int overY = r.bottom() + frame.top() + frame.bottom() - available.bottom();
    if (overY > 0)
        r.moveTop(r.top() - overY);

    QRect result = r;
    if (r.left() > available.right() + 1 || r.left() - frame.left() < available.left())
        result.moveLeft(available.left() + frame.left());
    if (r.top() > available.bottom() + 1 || r.top() - frame.top() < available.top())
        result.moveTop(available.top() + frame.top());

    // These two compare with the desktop's width and height, not with its right and bottom
    // edges; on a desktop that starts at 0 the two are the same.
    if (r.width() > available.width() - result.left())
        result.setRight(available.width() - 1);
    if (r.height() > available.height() - result.top())
        result.setBottom(available.height() - 1);

    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    if (result.width() + frameWidth > available.width())
        result.setRight(result.left() + available.width() - 1 - frameWidth);
    if (result.height() + frameHeight > available.height())
        result.setBottom(result.top() + available.height() - 1 - frameHeight);
    return result;
}

int screenIndexAt(const QPoint &point, const QVector<QRect> &availableGeometries)
{
    int found = -1;
    for (int i = 0; i < availableGeometries.size(); ++i) {
        const QRect &g = availableGeometries.at(i);
        if (point.x() >= g.left() && point.x() <= g.right() && point.y() >= g.top()
            && point.y() <= g.bottom())
            found = i;
    }
    return found;
}

} // namespace ui
