#include "QtPlatform.h"
#include "TikoraClock.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The clock repaints a few small areas a second. Through shared memory each repaint
    // costs an extra event from the X server, which wakes Qt's X reader thread and then the
    // main thread again; through the connection it costs a copy of a few kilobytes.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QtPlatform platform;
    TikoraClock run(platform);
    run.start();
    return app.exec();
}
