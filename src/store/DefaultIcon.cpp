#include "store/DefaultIcon.h"

#include <QPainter>
#include <QPainterPath>

QImage DefaultShortCutIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The folder: back flap with its tab, then the front.
    const QColor folderDark(0xC8, 0x8A, 0x12);
    p.setPen(QPen(folderDark, 1));
    p.setBrush(QColor(0xF2, 0xB8, 0x3A));
    QPainterPath back;
    back.moveTo(2.5, 6.5);
    back.lineTo(11.5, 6.5);
    back.lineTo(13.5, 9.5);
    back.lineTo(29.5, 9.5);
    back.lineTo(29.5, 27.5);
    back.lineTo(2.5, 27.5);
    back.closeSubpath();
    p.drawPath(back);

    // The page standing in the folder.
    p.setPen(QPen(QColor(0x88, 0x88, 0x88), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 3.5, 15, 19));
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
    for (int y = 8; y <= 17; y += 3)
        p.drawLine(QPointF(12, y + 0.5), QPointF(22, y + 0.5));

    p.setPen(QPen(folderDark, 1));
    p.setBrush(QColor(0xFF, 0xCE, 0x5C));
    p.drawRect(QRectF(2.5, 14.5, 27, 13));

    // The warning mark: a red disc with a white exclamation mark.
    p.setPen(QPen(QColor(0x9E, 0x10, 0x10), 1));
    p.setBrush(QColor(0xE0, 0x26, 0x26));
    p.drawEllipse(QRectF(0.5, 17.5, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6.5, 20, 2, 6), 1, 1);
    p.drawEllipse(QRectF(6.5, 27, 2, 2));
    return image;
}
