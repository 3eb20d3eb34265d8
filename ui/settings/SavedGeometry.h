#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

// The places a window's saved geometry (QWidget::saveGeometry) holds, read without restoring
// it: restoreGeometry trusts them whatever their size, and a window millions of pixels wide
// cannot be painted.
struct SavedGeometry {
    QRect frame;   // title bar and all
    QRect normal;  // where the window goes back to from maximized
    QRect placed;  // where restoreGeometry puts the window that was not maximized
};

// Nothing for bytes that are not a whole geometry of a version restoreGeometry takes.
std::optional<SavedGeometry> ReadSavedGeometry(const QByteArray& bytes);

// Whether restoring the geometry shows the whole window, at no less than its least size, on one
// of the areas; frame is where the window was seen last, kept beside the geometry.
bool FitsOneArea(const SavedGeometry& saved, const QRect& frame, const QList<QRect>& areas,
                 QSize least);

// The screens' areas a window may take now, without the panels and docks.
QList<QRect> AvailableScreenAreas();
