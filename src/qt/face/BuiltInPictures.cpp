#include "BuiltInPictures.h"

#include "BuiltInDrawing.h"
#include "LazyPicture.h"
#include "QtCanvas.h"
#include "QtSceneGeometry.h"

#include <QPainter>

#include <memory>

namespace {

// The pictures are drawn by code, so on a screen of more dots per inch they are drawn at its
// own resolution rather than scaled up.
QImage blackField(QSize size, double devicePixelRatio)
{
    QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::black);
    return image;
}

} // namespace

tk::PictureRef BuiltInPictures::make(tk::BuiltInPicture which, double devicePixelRatio)
{
    if (which == tk::BuiltInPicture::CentreEmblem)
        return std::make_shared<QtPicture>(draw(which, devicePixelRatio));
    const QSize size = QtSceneGeometry::toQt(scene::BuiltInDrawing::sizeOf(which));
    return std::make_shared<LazyPicture>(
        size, [which, devicePixelRatio] { return draw(which, devicePixelRatio); });
}

QImage BuiltInPictures::draw(tk::BuiltInPicture which, double devicePixelRatio)
{
    const tk::PixelSize size = scene::BuiltInDrawing::sizeOf(which);
    QImage image = blackField(QtSceneGeometry::toQt(size), devicePixelRatio);
    QPainter painter(&image);
    QtCanvas canvas(painter);
    if (which == tk::BuiltInPicture::CentreEmblem)
        scene::BuiltInDrawing::drawCentreEmblem(canvas);
    else
        scene::BuiltInDrawing::drawDial(canvas, size);
    return image;
}
