#include "moduleimages.h"

#include "logosize.h"
#include "picturebox.h"
#include "pictures.h"

#include <QWidget>

namespace {

void showDecoration(QWidget &screen, const char *boxName, const QString &fileName)
{
    auto box = screen.findChild<PictureBox *>(QString::fromLatin1(boxName));
    if (!box)
        return;
    QString error;
    const QImage picture = Pictures::reload(fileName, &error);
    if (picture.isNull()) {
        box->clearPicture();
        qWarning("selection-pilotes: %s : %s", qPrintable(fileName), qPrintable(error));
        return;
    }
    box->setPicture(picture, fileName);
}

} // namespace

void ShowLogo(QWidget &screen)
{
    if (auto box = screen.findChild<PictureBox *>(QStringLiteral("Picture2")))
        box->resize(LogoSize);
    showDecoration(screen, "Picture2", QStringLiteral("Logo.gif"));
}

void ShowTitleImage(QWidget &screen)
{
    showDecoration(screen, "Picture1", QStringLiteral("Image.jpg"));
}
