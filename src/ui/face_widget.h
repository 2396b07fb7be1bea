#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "export/rounded_region.h"
#include "model/face_style.h"
#include "render/face.h"

namespace brontel {

// A face on screen: paints its style with the core renderer, so what it shows is exactly
// what a capture of it exports. Every paint draws every pixel, so it is never erased first.
class FaceWidget : public QWidget {
    Q_OBJECT

public:
    explicit FaceWidget(FaceStyle style, QWidget* parent = nullptr);

    const FaceStyle& style() const { return face_.style; }

    // Handlers write a face only through this: the change is applied and this face alone is
    // marked for repainting, so several changes before the next paint give one paint.
    void changeStyle(const std::function<void(FaceStyle&)>& change);

    // Limits the visible and clickable area to the rounded rectangle from (0, 0) to
    // (width, height). Only this replaces the region: resizing the face keeps the old one.
    void setRoundedRegion(int width, int height, int diameter);
    bool hasRoundedRegion() const { return roundedRegion_.has_value(); }
    // The region last set, which may be larger or smaller than the face by now; none while
    // the whole face shows.
    const std::optional<RoundedRegion>& roundedRegion() const { return roundedRegion_; }

    // The face at its current size, the same pixels a paint shows (before the region).
    QImage grabFace() const;

signals:
    // The left button was released over the visible part of the face.
    void leftButtonReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Has the parent and the siblings beneath redraw the area the face no longer covers.
    void exposeBeneath(const QRegion& uncovered);

    // Painting may decode the picture into the face's cache, even from a const capture.
    mutable Face face_;
    std::optional<RoundedRegion> roundedRegion_;
};

}  // namespace brontel
