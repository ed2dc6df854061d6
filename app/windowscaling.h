#pragma once

#include <QObject>
#include <QRect>
#include <QStringList>

class QScreen;
class QWindow;

// The interface scale of a window and the geometry, state and scale option it keeps in the
// settings (group "window"): ppp is the factor by which the scene multiplies every design size.
// The arithmetic itself lives in scaling.h; this class applies it to a window on its screens.
class WindowScaling : public QObject
{
    Q_OBJECT

public:
    explicit WindowScaling(QWindow *window);

    // Follows the window's moves, resizes and state changes from now on.
    void attach();
    // Lays the window out as it was stored: geometry, scale option and state; then shows it,
    // unless `show` is false (a start in the tray).
    void restore(bool show = true);
    // Keeps the window on the desktop and stores its geometry, unless it is maximised.
    void storeGeometry();

    double scale() const { return m_scale; }
    double ppp() const;
    // The pixel size of the reference font at the current scale.
    int referencePixelSize() const;
    int scaleIndex() const { return m_scaleIndex; }
    // Lowers an option that does not fit the screen; ignores an index out of range.
    void setScaleIndex(int index);
    const QStringList &scaleOptions() const { return m_scaleOptions; }
    // Whether scale option `index` fits the screen that setScaleIndex measures against.
    bool scaleOptionFits(int index) const;
    int unscaledWidth() const { return m_unscaledWidth; }
    int unscaledHeight() const { return m_unscaledHeight; }

    int storedWindowState() const;
    int storedScaleIndex() const;
    QRect storedGeometry() const;

signals:
    void scaleChanged(double scale);
    void pppChanged(double ppp);
    void scaleIndexChanged(int scaleIndex);
    void unscaledWidthChanged(int unscaledWidth);
    void unscaledHeightChanged(int unscaledHeight);

private:
    void scaleUpdate();
    void windowStateUpdate(Qt::WindowState state);
    void geometryUpdate();
    QScreen *scaleScreen() const;
    double baseScaleOf(QScreen *screen) const;
    void updateScale(QScreen *screen);
    double pppForScale(double scale) const;
    void applyGeometry(const QRect &rect);

    QWindow *m_window;
    bool m_attached = false;
    bool m_initialising = true;
    double m_scale = 1.0;
    double m_lastPpp = 1.0;
    QStringList m_scaleOptions;
    int m_scaleIndex = -1;
    int m_unscaledWidth = 0;
    int m_unscaledHeight = 0;
};
