#include "picturebox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setBorder(true);
}

void PictureBox::setBorder(bool enabled)
{
    setFrameStyle(enabled ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(enabled ? 2 : 0);
}

void PictureBox::setPicture(const QImage &picture, const QString &sourceName)
{
    image = picture;
    source = sourceName;
    if (autoSize && !image.isNull()) {
        const int border = 2 * frameWidth();
        const QSize laidOut = image.deviceIndependentSize().toSize();
        resize(laidOut.width() + border, laidOut.height() + border);
    }
    // The border stays as it is.
    update(contentsRect());
}

void PictureBox::clearPicture()
{
    image = QImage();
    source.clear();
    update(contentsRect());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    // Drawing the sunken border costs the raster engine far more than the picture: it is drawn
    // only where it is to be repainted, not at each new picture.
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    if (image.isNull())
        return;
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), image);
}
