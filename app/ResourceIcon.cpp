#include "ResourceIcon.h"

#include "IconPixels.h"

#include <QImage>
#include <QPixmap>

namespace {

void AddPicture(QIcon& icon, const IconPicture& picture, double ratio)
{
    // The image only borrows the table's pixels; the pixmap copies them.
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.width, picture.height,
                       picture.width * 4, QImage::Format_ARGB32_Premultiplied);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    icon.addPixmap(pixmap);
}

} // namespace

QIcon ResourceIcon(const char* name)
{
    QIcon icon;
    const IconPixels* pixels = FindIconPixels(name);
    if (!pixels)
        return icon;
    AddPicture(icon, pixels->normal, 1.0);
    AddPicture(icon, pixels->doubled, 2.0);
    return icon;
}
