#pragma once

#include <QFrame>
#include <QImage>

// A box showing a picture at its natural size from its top-left corner; what lies beyond the
// box is cut off, unless the box is set to take the size of its picture.
class PictureBox : public QFrame {
    Q_OBJECT
    // Readable by what inspects the screens from outside (the end-to-end watch).
    Q_PROPERTY(QImage picture READ picture)
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture, const QString &sourceName = QString());
    void clearPicture();
    const QImage &picture() const { return image; }
    // The file the picture came from, or the resource of a picture stored with the screen.
    const QString &sourceName() const { return source; }

    void setAutoSize(bool enabled) { autoSize = enabled; }
    void setBorder(bool enabled);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image;
    QString source;
    bool autoSize = false;
};
