#include "QtPlatform.h"
#include "TikoraClock.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtPlatform platform;
    TikoraClock run(platform);
    run.start();
    return app.exec();
}
