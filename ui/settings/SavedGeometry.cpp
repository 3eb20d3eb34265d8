#include "SavedGeometry.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

// How QWidget::saveGeometry starts its record. Version 2 added the screen's width, version 3
// the window's geometry beside its normal one; restoreGeometry refuses later versions.
constexpr quint32 GeometryMagic = 0x1D9D0CB;
constexpr quint16 NewestVersion = 3;

bool Holds(const QRect& area, const QRect& window) {
    return window.isValid() && area.contains(window);
}

bool AtLeast(const QRect& window, QSize least) {
    return window.width() >= least.width() && window.height() >= least.height();
}

}  // namespace

std::optional<SavedGeometry> ReadSavedGeometry(const QByteArray& bytes) {
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    stream >> magic >> major >> minor;
    if (magic != GeometryMagic || major > NewestVersion) return std::nullopt;
    SavedGeometry saved;
    qint32 screenNumber = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    stream >> saved.frame >> saved.normal >> screenNumber >> maximized >> fullScreen;
    if (major > 1) {
        qint32 screenWidth = 0;
        stream >> screenWidth;
    }
    if (major > 2) {
        stream >> saved.placed;
    } else {
        saved.placed = saved.normal;
    }
    // A record cut short reads as zeros, which restoreGeometry would take as they are.
    if (stream.status() != QDataStream::Ok) return std::nullopt;
    return saved;
}

bool FitsOneArea(const SavedGeometry& saved, const QRect& frame, const QList<QRect>& areas,
                 QSize least) {
    if (!AtLeast(saved.normal, least) || !AtLeast(saved.placed, least)) return false;
    return std::any_of(areas.begin(), areas.end(), [&](const QRect& area) {
        return Holds(area, frame) && Holds(area, saved.frame) && Holds(area, saved.normal) &&
               Holds(area, saved.placed);
    });
}

QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}
