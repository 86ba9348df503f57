#include "ui/common/Icons.h"
#include "ui/commands/CommandIds.h"
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace torvane {

namespace {

const QColor kOutline(64, 64, 64);
const QColor kPaper(255, 255, 255);
const QColor kFolder(240, 200, 64);
const QColor kFolderDark(176, 136, 24);
const QColor kTeal(0, 128, 128);
const QColor kRed(208, 0, 0);
const QColor kBlue(0, 0, 192);
const QColor kDarkRed(128, 0, 0);
const QColor kOlive(128, 128, 0);
const QColor kGrey(128, 128, 128);
const QColor kGreen(0, 128, 0);

QPixmap canvas(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    draw(painter);
    return pixmap;
}

// A sheet with its top right corner folded over, inside the box.
void drawPage(QPainter& p, const QRectF& box)
{
    const qreal fold = box.width() * 0.35;
    QPainterPath sheet;
    sheet.moveTo(box.left(), box.top());
    sheet.lineTo(box.right() - fold, box.top());
    sheet.lineTo(box.right(), box.top() + fold);
    sheet.lineTo(box.right(), box.bottom());
    sheet.lineTo(box.left(), box.bottom());
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(box.right() - fold, box.top());
    corner.lineTo(box.right() - fold, box.top() + fold);
    corner.lineTo(box.right(), box.top() + fold);
    p.setBrush(Qt::NoBrush);
    p.drawPath(corner);
}

void drawFolder(QPainter& p, const QRectF& box)
{
    p.setPen(QPen(kFolderDark, 1));
    p.setBrush(kFolder.darker(110));
    QPainterPath back;
    back.moveTo(box.left(), box.bottom());
    back.lineTo(box.left(), box.top() + 1);
    back.lineTo(box.left() + box.width() * 0.4, box.top() + 1);
    back.lineTo(box.left() + box.width() * 0.5, box.top() + 3);
    back.lineTo(box.right(), box.top() + 3);
    back.lineTo(box.right(), box.bottom());
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kFolder);
    p.drawRect(QRectF(box.left(), box.top() + 5, box.width(), box.height() - 5));
}

void drawAnchor(QPainter& p, const QRectF& box, const QColor& color)
{
    const qreal cx = box.center().x();
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, box.top() + 1.8), 1.5, 1.5);
    p.drawLine(QPointF(cx, box.top() + 3.3), QPointF(cx, box.bottom() - 0.5));
    p.drawLine(QPointF(cx - box.width() * 0.3, box.top() + box.height() * 0.38),
               QPointF(cx + box.width() * 0.3, box.top() + box.height() * 0.38));
    QPainterPath arms;
    arms.moveTo(box.left() + 0.5, box.top() + box.height() * 0.6);
    arms.quadTo(box.left() + 1, box.bottom() - 0.5, cx, box.bottom() - 0.5);
    arms.quadTo(box.right() - 1, box.bottom() - 0.5, box.right() - 0.5, box.top() + box.height() * 0.6);
    p.drawPath(arms);
}

// The red starburst that marks an entry that needs attention, with "!" in it.
void drawBurst(QPainter& p, const QPointF& centre, qreal radius)
{
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * 0.6;
        const qreal angle = i * 3.14159265 / 8;
        star << QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(star);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(centre.x(), centre.y() - radius * 0.5), QPointF(centre.x(), centre.y() + radius * 0.1));
    p.drawPoint(QPointF(centre.x(), centre.y() + radius * 0.4));
}

void drawKey(QPainter& p, const QRectF& box, const QColor& color)
{
    p.setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const qreal ringRadius = box.height() * 0.25;
    const QPointF ring(box.left() + ringRadius + 0.5, box.center().y());
    p.drawEllipse(ring, ringRadius, ringRadius);
    const qreal shaftY = ring.y();
    p.drawLine(QPointF(ring.x() + ringRadius, shaftY), QPointF(box.right() - 0.5, shaftY));
    p.drawLine(QPointF(box.right() - 1, shaftY), QPointF(box.right() - 1, shaftY + box.height() * 0.3));
    p.drawLine(QPointF(box.right() - 3, shaftY), QPointF(box.right() - 3, shaftY + box.height() * 0.25));
}

void drawArrowHead(QPainter& p, const QPointF& tip, const QPointF& from, const QColor& color)
{
    const QLineF back(tip, from);
    QLineF left = back;
    left.setLength(4);
    left.setAngle(back.angle() + 40);
    QLineF right = back;
    right.setLength(4);
    right.setAngle(back.angle() - 40);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF{tip, left.p2(), right.p2()});
}

// Two curved arrows chasing each other round a circle.
void drawChasingArrows(QPainter& p, const QRectF& box, const QColor& color)
{
    const QRectF circle = box.adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(color, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(circle, 30 * 16, 120 * 16);
    p.drawArc(circle, 210 * 16, 120 * 16);
    const QPointF c = circle.center();
    const qreal rx = circle.width() / 2;
    const qreal ry = circle.height() / 2;
    auto at = [&](qreal degrees) {
        const qreal a = degrees * 3.14159265 / 180;
        return QPointF(c.x() + rx * std::cos(a), c.y() - ry * std::sin(a));
    };
    drawArrowHead(p, at(165), at(130), color);
    drawArrowHead(p, at(345), at(310), color);
}

void drawLetters(QPainter& p, const QRectF& box, const QString& text, const QColor& color, int pixelSize, bool bold)
{
    QFont font("Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

// Letters squeezed sideways, when needed, to fit the box's width.
void drawFittedLetters(QPainter& p, const QRectF& box, const QString& text, const QColor& color, int pixelSize)
{
    QFont font("Sans");
    font.setPixelSize(pixelSize);
    p.save();
    p.setFont(font);
    p.setPen(color);
    const qreal width = p.fontMetrics().horizontalAdvance(text);
    const qreal squeeze = width > box.width() ? box.width() / width : 1.0;
    p.translate(box.left(), box.top());
    p.scale(squeeze, 1.0);
    p.drawText(QRectF(0, 0, box.width() / squeeze, box.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.restore();
}

void drawMark(QPainter& p, const QRectF& box, const QString& mark)
{
    QFont font("Sans");
    font.setPixelSize(static_cast<int>(box.height()));
    font.setBold(true);
    p.setFont(font);
    p.setPen(kRed);
    p.drawText(box, Qt::AlignCenter, mark);
}

void drawPlus(QPainter& p, const QPointF& centre, const QColor& color)
{
    p.setPen(QPen(color, 2));
    p.drawLine(QPointF(centre.x() - 3, centre.y()), QPointF(centre.x() + 3, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - 3), QPointF(centre.x(), centre.y() + 3));
}

QPixmap toolbarPixmap(int id)
{
    return canvas(16, 15, [id](QPainter& p) {
        switch (id) {
        case CmdFileNew:
            drawPage(p, QRectF(3.5, 1.5, 9, 12));
            break;
        case CmdFileOpen:
            drawFolder(p, QRectF(1.5, 3.5, 11, 9));
            p.setPen(QPen(kGreen, 1.5));
            p.drawArc(QRectF(8, 0.5, 7, 6), 0, 180 * 16);
            drawArrowHead(p, QPointF(14.5, 5), QPointF(14.5, 2), kGreen);
            break;
        case CmdFileSave:
            p.setPen(QPen(kOutline, 1));
            p.setBrush(QColor(48, 64, 128));
            p.drawRect(QRectF(1.5, 1.5, 12, 12));
            p.setBrush(kPaper);
            p.drawRect(QRectF(4, 1.5, 7, 5));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(4, 9, 7, 4.5));
            break;
        case CmdAddFiles:
            drawPage(p, QRectF(1.5, 1.5, 9, 12));
            drawPlus(p, QPointF(12, 10), kGreen);
            break;
        case CmdAddExternalUrls:
            drawLetters(p, QRectF(0, 0, 16, 9), "URL", kBlue, 7, true);
            drawPlus(p, QPointF(12, 11), kGreen);
            break;
        case CmdCreateCrossReference:
            drawChasingArrows(p, QRectF(1, 1, 13, 13), kDarkRed);
            break;
        case CmdRemove:
            drawPage(p, QRectF(1.5, 1.5, 9, 12));
            p.setPen(QPen(kRed, 2));
            p.drawLine(QPointF(8, 7), QPointF(14, 13));
            p.drawLine(QPointF(14, 7), QPointF(8, 13));
            break;
        case CmdExclude:
            drawAnchor(p, QRectF(2, 1, 11, 13), kTeal);
            p.setPen(QPen(kRed, 1.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(1, 0.5, 14, 14));
            p.drawLine(QPointF(3, 2.5), QPointF(13, 12.5));
            break;
        case CmdAddIndexEntry:
            drawKey(p, QRectF(0.5, 0, 11, 9), kOlive);
            drawPlus(p, QPointF(12, 11), kGreen);
            break;
        case CmdProjectStyleSettings:
            // A brush over a palette.
            p.setPen(QPen(kOutline, 1));
            p.setBrush(QColor(222, 184, 135));
            p.drawEllipse(QRectF(1, 4, 12, 10));
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawEllipse(QPointF(4.5, 7.5), 1.3, 1.3);
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(8, 6.5), 1.3, 1.3);
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(5, 11), 1.3, 1.3);
            p.setPen(QPen(QColor(120, 72, 24), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(15, 1), QPointF(10, 9));
            break;
        case CmdMakeIndex:
            // An index page: letter heading and entry lines.
            drawPage(p, QRectF(2.5, 0.5, 11, 14));
            drawLetters(p, QRectF(4, 1, 8, 6), "A", kBlue, 6, true);
            p.setPen(QPen(kGrey, 1));
            for (int y : {8, 10, 12})
                p.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
            break;
        case CmdHelpTopics:
            p.setPen(QPen(kBlue, 1));
            p.setBrush(QColor(255, 255, 192));
            p.drawEllipse(QRectF(1.5, 0.5, 13, 13));
            drawLetters(p, QRectF(5, 1, 8, 12), "?", kBlue, 11, true);
            break;
        default:
            break;
        }
    });
}

} // namespace

QIcon toolbarIcon(int commandId)
{
    switch (commandId) {
    case CmdFileNew:
    case CmdFileOpen:
    case CmdFileSave:
    case CmdAddFiles:
    case CmdAddExternalUrls:
    case CmdCreateCrossReference:
    case CmdRemove:
    case CmdExclude:
    case CmdAddIndexEntry:
    case CmdProjectStyleSettings:
    case CmdMakeIndex:
    case CmdHelpTopics:
        return QIcon(toolbarPixmap(commandId));
    default:
        return {};
    }
}

const std::vector<QPixmap>& nodeImages()
{
    static const std::vector<QPixmap> images{
        canvas(20, 15, [](QPainter& p) { drawFolder(p, QRectF(2.5, 2.5, 15, 11)); }),
        canvas(20, 15, [](QPainter& p) { drawPage(p, QRectF(5.5, 1.5, 10, 12)); }),
        canvas(20, 15, [](QPainter& p) {
            drawPage(p, QRectF(5.5, 1.5, 10, 12));
            drawMark(p, QRectF(5.5, 3, 10, 10), "?");
        }),
        canvas(20, 15, [](QPainter& p) {
            drawPage(p, QRectF(5.5, 1.5, 10, 12));
            drawMark(p, QRectF(5.5, 3, 10, 10), "!");
        }),
        canvas(20, 15, [](QPainter& p) { drawAnchor(p, QRectF(4, 1, 12, 13), kTeal); }),
        canvas(20, 15, [](QPainter& p) {
            drawLetters(p, QRectF(0, 0, 20, 10), "URL", kBlue, 8, true);
            p.setPen(QPen(kBlue, 1.2));
            p.drawLine(QPointF(6, 12.5), QPointF(15, 12.5));
            drawArrowHead(p, QPointF(18, 12.5), QPointF(14, 12.5), kBlue);
        }),
        canvas(20, 15, [](QPainter& p) { drawChasingArrows(p, QRectF(3, 0.5, 14, 14), kDarkRed); }),
    };
    return images;
}

const std::vector<QPixmap>& entryImages()
{
    auto anchorWith = [](const std::function<void(QPainter&)>& extra) {
        return canvas(20, 14, [extra](QPainter& p) {
            drawAnchor(p, QRectF(0.5, 1, 8, 12), kTeal);
            extra(p);
        });
    };
    auto pageWith = [](const std::function<void(QPainter&)>& extra) {
        return canvas(20, 14, [extra](QPainter& p) {
            drawPage(p, QRectF(1.5, 1.5, 6, 11));
            extra(p);
        });
    };
    auto extWith = [](const std::function<void(QPainter&)>& extra) {
        return canvas(20, 14, [extra](QPainter& p) {
            drawLetters(p, QRectF(0, 0, 14, 14), "Ext", kBlue, 7, true);
            extra(p);
        });
    };
    auto burst = [](QPainter& p) { drawBurst(p, QPointF(15, 7), 4.5); };
    auto key = [](QPainter& p) { drawKey(p, QRectF(11, 3, 9, 8), kOlive); };
    auto tag = [](const QString& text) {
        return [text](QPainter& p) { drawFittedLetters(p, QRectF(8.5, 0, 11.5, 14), text, kGrey, 8); };
    };
    static const std::vector<QPixmap> images{
        anchorWith(burst),
        pageWith(burst),
        extWith(burst),
        anchorWith(tag("<A")),
        pageWith(tag("<H1")),
        pageWith(tag("<Ti")),
        anchorWith(key),
        pageWith(key),
        extWith(key),
        canvas(20, 14, [key](QPainter& p) {
            drawChasingArrows(p, QRectF(0, 1, 11, 11), kDarkRed);
            key(p);
        }),
    };
    return images;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(canvas(size, size, [size](QPainter& p) {
            p.scale(size / 32.0, size / 32.0);
            // An open book whose right page carries index lines and a key.
            p.setPen(QPen(kOutline, 1.2));
            p.setBrush(QColor(0, 96, 128));
            p.drawRoundedRect(QRectF(1, 4, 30, 25), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(3, 5, 12.5, 21));
            p.drawRect(QRectF(16.5, 5, 12.5, 21));
            p.setPen(QPen(kGrey, 1.2));
            for (int y : {10, 14, 18, 22})
                p.drawLine(QPointF(5, y), QPointF(13.5, y));
            drawLetters(p, QRectF(18, 5, 10, 9), "A", kBlue, 8, true);
            drawKey(p, QRectF(18, 15, 10, 8), kOlive);
        }));
    }
    return icon;
}

} // namespace torvane
