// Any bytes under a GIF or a JPEG name: the check and the decode never crash, and agree.
#include "picturecheck.h"
#include "pictures.h"

#include <QLoggingCategory>

#include <cstdlib>

namespace {

void decodeAs(const QByteArray &bytes, const QString &fileName)
{
    QString error;
    const QImage image = Pictures::decode(bytes, fileName, &error);
    // A caller tells a refusal by its reason.
    if (image.isNull() == error.isEmpty())
        std::abort();
    // A picture that decodes must never be refused by the start-up check.
    if (!image.isNull()
        && !PictureCheck::problem(bytes, fileName, PictureCheck::Depth::Structure).isEmpty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // libjpeg's warning about each broken input would drown the fuzzer's own report.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    decodeAs(bytes, QStringLiteral("image.gif"));
    decodeAs(bytes, QStringLiteral("image.jpg"));
    return 0;
}
