// A request to end (SIGTERM) closes the window as a user's close would, whatever dialog is open.
#include "app/terminationsignals.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <csignal>

namespace {

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

} // namespace

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

    void closesThroughDialogs_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("none") << "none";
        QTest::newRow("message box, in an event loop of its own") << "message box";
        QTest::newRow("file dialog, modal without a loop") << "file dialog";
        QTest::newRow("modal window of the scene's own") << "window";
    }

    void closesThroughDialogs()
    {
        QFETCH(QString, dialog);
        Window window;
        window.resize(200, 100);
        window.show();
        closeOnTerminationSignals(&window);

        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QWindow modal;
        if (dialog == "message box") {
            QMessageBox box(QMessageBox::Warning, "Help", "No web browser", QMessageBox::Ok);
            QTimer::singleShot(0, [] { ::raise(SIGTERM); });
            // Should the request be lost, the box goes in the end, and the counts below tell.
            QTimer::singleShot(10000, &box, [&box] { box.done(0); });
            box.exec();
        } else {
            files.setWindowModality(Qt::ApplicationModal);
            modal.setModality(Qt::ApplicationModal);
            if (dialog == "file dialog")
                files.show();
            else if (dialog == "window")
                modal.show();
            ::raise(SIGTERM);
        }
        QTRY_VERIFY(!files.isVisible() && !modal.isVisible());
        QTRY_COMPARE(window.closes, 1);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
