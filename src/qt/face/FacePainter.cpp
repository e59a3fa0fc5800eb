#include "FacePainter.h"

#include "QtCanvas.h"
#include "QtSceneGeometry.h"

#include <QPainter>

FacePainter::FacePainter(const tk::Window& window, const ScreenUnits& units, QSize faceSize)
    : m_units(units)
    , m_walk(window, units.units(), QtSceneGeometry::toScene(faceSize))
    , m_cache(units)
{
}

void FacePainter::paint(QPainter& painter, const QRegion& area)
{
    QtCanvas canvas(painter, &m_cache);
    m_walk.paint(canvas, QtSceneGeometry::toScene(area));
}
