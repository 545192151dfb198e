#include "resources/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace cfq::icons {
namespace {

const QColor kBlue(38, 98, 168);
const QColor kGreen(46, 140, 70);
const QColor kOrange(222, 128, 32);
const QColor kRed(196, 48, 48);
const QColor kGrey(90, 90, 90);

void drawDocument(QPainter& p, const QColor& colour)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setPen(QPen(colour, 1.6));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(19, 3), QPointF(19, 9));
    p.drawLine(QPointF(19, 9), QPointF(25, 9));
}

void drawFolder(QPainter& p)
{
    p.setPen(QPen(kOrange.darker(130), 1.4));
    p.setBrush(kOrange);
    QPainterPath folder;
    folder.moveTo(3, 8);
    folder.lineTo(12, 8);
    folder.lineTo(14, 11);
    folder.lineTo(29, 11);
    folder.lineTo(29, 27);
    folder.lineTo(3, 27);
    folder.closeSubpath();
    p.drawPath(folder);
}

void drawGear(QPainter& p, const QColor& colour)
{
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(45.0 * i);
        p.drawLine(QPointF(0, -9), QPointF(0, -13));
        p.restore();
    }
    p.setPen(QPen(colour, 3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 8, 8);
    p.setBrush(colour);
    p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
}

void drawTable(QPainter& p, const QColor& colour, bool grouped)
{
    p.setPen(QPen(colour, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 5, 24, 22));
    for (int row = 1; row < 4; ++row)
        p.drawLine(QPointF(4, 5 + row * 5.5), QPointF(28, 5 + row * 5.5));
    p.drawLine(QPointF(12, 5), QPointF(12, 27));
    if (grouped) {
        p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 90));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(4.8, 5.8, 6.4, 10.2));
    }
}

void drawArrowIntoChip(QPainter& p)
{
    p.setPen(QPen(kGrey, 1.5));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(9, 16, 14, 12));
    for (int pin = 0; pin < 3; ++pin) {
        p.drawLine(QPointF(11 + pin * 5, 28), QPointF(11 + pin * 5, 31));
        p.drawLine(QPointF(11 + pin * 5, 16), QPointF(11 + pin * 5, 13));
    }
    p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 1.5), QPointF(16, 10));
    p.drawLine(QPointF(12, 6.5), QPointF(16, 10.5));
    p.drawLine(QPointF(20, 6.5), QPointF(16, 10.5));
}

void drawLetter(QPainter& p, const QColor& colour, const QString& letter)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, letter);
}

void drawPlus(QPainter& p)
{
    p.setPen(QPen(kGreen, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 15), QPointF(23, 29));
    p.drawLine(QPointF(16, 22), QPointF(30, 22));
}

void drawPicture(QPainter& p, Picture picture)
{
    switch (picture) {
    case Picture::NewProject:
        drawDocument(p, kBlue);
        drawPlus(p);
        break;
    case Picture::OpenProject:
        drawFolder(p);
        break;
    case Picture::Communication:
        drawGear(p, kBlue);
        break;
    case Picture::Groups:
        drawTable(p, kGreen, true);
        break;
    case Picture::Variables:
        drawTable(p, kBlue, false);
        break;
    case Picture::EsiFile:
        drawDocument(p, kGreen);
        p.setPen(QPen(kGreen, 1.2));
        for (int line = 0; line < 4; ++line)
            p.drawLine(QPointF(10, 14 + line * 4), QPointF(22, 14 + line * 4));
        break;
    case Picture::UpdateDevice:
        drawArrowIntoChip(p);
        break;
    case Picture::Information:
        drawLetter(p, kBlue, QStringLiteral("i"));
        break;
    case Picture::Options:
        drawGear(p, kGrey);
        break;
    case Picture::Close:
        drawLetter(p, kRed, QStringLiteral("\u00D7"));
        break;
    case Picture::Application:
        drawArrowIntoChip(p);
        drawGear(p, kBlue);
        break;
    }
}

} // namespace

QIcon icon(Picture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawPicture(painter, picture);
    painter.end();
    return QIcon(pixmap);
}

} // namespace cfq::icons
