#include "picturebox.h"

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
    update();
}

void PictureBox::clearPicture()
{
    image = QImage();
    source.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (image.isNull())
        return;
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), image);
}
