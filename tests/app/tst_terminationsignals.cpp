// A request to end (SIGTERM) closes the window as a user's close would, whatever dialog is open.
#include "app/terminationsignals.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <csignal>

// Counts the close events it is sent; the program's window stores its geometry on that event.
struct Window : QWindow
{
    int closes = 0;
    bool event(QEvent *e) override
    {
        closes += e->type() == QEvent::Close;
        return QWindow::event(e);
    }
};

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    // Dialogs of every kind open at once: the file dialog and a modal window of the scene, both
    // without a loop of their own, under a message box in its own loop.
    void closesThroughDialogs()
    {
        Window window;
        window.resize(200, 100);
        window.show();
        closeOnTerminationSignals(&window);
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setWindowModality(Qt::ApplicationModal);
        files.show();
        QWindow modal;
        modal.setModality(Qt::ApplicationModal);
        modal.show();
        QMessageBox box(QMessageBox::Warning, "Help", "No web browser", QMessageBox::Ok);
        QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        // Should the request be lost, the box goes in the end, and the checks below tell.
        QTimer::singleShot(10000, &box, [&box] { box.done(0); });
        box.exec();
        QTRY_VERIFY(!files.isVisible() && !modal.isVisible());
        QCOMPARE(window.closes, 1);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
