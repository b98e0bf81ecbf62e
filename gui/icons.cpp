// The program's pictures, painted in code and cached by resource name.
#include "icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include "core/game.h"

namespace gui {

namespace {

// A rounded tile with a large label and an optional small one below it.
void Tile(QPainter& p, QColor back, QColor ink, const QString& label, const QString& small = QString())
{
    p.setPen(QPen(back.darker(160), 1));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(small.isEmpty() ? (label.size() > 2 ? 11 : 18) : (label.size() > 2 ? 10 : 15));
    p.setFont(f);
    p.setPen(ink);
    QRectF top = small.isEmpty() ? QRectF(0, 0, 32, 32) : QRectF(0, 1, 32, 20);
    p.drawText(top, Qt::AlignCenter, label);
    if (!small.isEmpty()) {
        f.setPixelSize(9);
        f.setBold(false);
        p.setFont(f);
        p.drawText(QRectF(0, 19, 32, 12), Qt::AlignCenter, small);
    }
}

void CricketBall(QPainter& p, QPointF c, double r, QColor colour)
{
    p.setPen(QPen(colour.darker(170), 1));
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.6, c.y() - r, r * 1.2, r * 2), 100 * 16, 160 * 16);
}

void Stumps(QPainter& p, bool broken)
{
    p.setPen(QPen(QColor(250, 240, 210), 2.5));
    for (int x : {11, 16, 21}) p.drawLine(QPointF(x, broken && x == 16 ? 12 : 10), QPointF(x, 27));
    p.setPen(QPen(QColor(250, 240, 210), 2));
    if (broken) {
        p.drawLine(QPointF(7, 4), QPointF(12, 7));
        p.drawLine(QPointF(20, 5), QPointF(25, 3));
    } else {
        p.drawLine(QPointF(10, 8), QPointF(22, 8));
    }
}

QPixmap BallOutcome(const QString& n)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor runs(30, 90, 30), extras(60, 60, 140), out(170, 20, 20), appeal(210, 140, 0);
    if (n == "Ball_NoRun") {
        Tile(p, QColor(40, 40, 40), Qt::white, QString());
        p.setBrush(QColor(220, 220, 220));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
    } else if (n == "Ball_Run1") Tile(p, runs, Qt::white, "1");
    else if (n == "Ball_Runs2") Tile(p, runs, Qt::white, "2");
    else if (n == "Ball_Runs3") Tile(p, runs, Qt::white, "3");
    else if (n == "Ball_Runs4") Tile(p, QColor(20, 80, 200), Qt::white, "4");
    else if (n == "Ball_Runs6") Tile(p, QColor(150, 30, 170), Qt::white, "6");
    else if (n == "Ball_Wide") Tile(p, extras, Qt::white, "wd");
    else if (n == "Ball_NoBall") Tile(p, extras, Qt::white, "nb");
    else if (n == "Ball_LegBye1") Tile(p, extras, Qt::white, "1", "lb");
    else if (n == "Ball_LegByes2") Tile(p, extras, Qt::white, "2", "lb");
    else if (n == "Ball_LegByes4") Tile(p, extras, Qt::white, "4", "lb");
    else if (n == "Ball_Bye1") Tile(p, extras, Qt::white, "1", "bye");
    else if (n == "Ball_Byes2") Tile(p, extras, Qt::white, "2", "bye");
    else if (n == "Ball_Byes4") Tile(p, extras, Qt::white, "4", "bye");
    else if (n == "Ball_CatchChance") Tile(p, appeal, Qt::black, "c?", "drop");
    else if (n == "Ball_RunOutAppeal") Tile(p, appeal, Qt::black, "ro?");
    else if (n == "Ball_LBWAppeal") Tile(p, appeal, Qt::black, "lbw?");
    else if (n == "Ball_StumpedAppeal") Tile(p, appeal, Qt::black, "st?");
    else if (n == "Ball_Bowled") {
        Tile(p, out, Qt::white, QString());
        Stumps(p, true);
    } else if (n == "Ball_Caught") Tile(p, out, Qt::white, "c", "OUT");
    else if (n == "Ball_RunOut") Tile(p, out, Qt::white, "ro", "OUT");
    else if (n == "Ball_LBW") Tile(p, out, Qt::white, "lbw", "OUT");
    else if (n == "Ball_Stumped") Tile(p, out, Qt::white, "st", "OUT");
    else return QPixmap();
    return pm;
}

// Condition pictures: level 1 is the best for batting, 5 the worst.
QPixmap Condition(const QString& kind, int level)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == "Ball") {
        // A new ball is bright red; an old one dull and brown.
        int t = level - 1;
        CricketBall(p, QPointF(16, 16), 12, QColor(220 - 25 * t, 30 + 12 * t, 30 + 8 * t));
    } else if (kind == "Pitch") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200 - 8 * level, 170 - 12 * level, 110 - 10 * level));
        p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
        p.setPen(QPen(QColor(90, 60, 30), 1.2));
        for (int i = 1; i < level; ++i) {
            double y = 4 + i * 5.5;
            p.drawLine(QPointF(9, y), QPointF(15, y + 3));
            p.drawLine(QPointF(15, y + 3), QPointF(22, y + 1));
        }
    } else if (kind == "Bounce") {
        // The lower the arc after pitching, the lower the bounce.
        p.setPen(QPen(QColor(120, 80, 40), 2));
        p.drawLine(QPointF(2, 28), QPointF(30, 28));
        double h = 24 - 4.5 * (level - 1);
        QPainterPath path(QPointF(3, 6));
        path.lineTo(14, 27);
        path.quadTo(QPointF(22, 27 - 2 * h + 4), QPointF(30, 27 - h));
        p.setPen(QPen(QColor(255, 255, 255), 1.5, Qt::DashLine));
        p.drawPath(path);
        CricketBall(p, QPointF(29, 27 - h), 3, QColor(200, 30, 30));
    } else if (kind == "Outfield") {
        // Short, light grass is fast; long, dark grass slow.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110 - 12 * level, 210 - 25 * level, 90 - 10 * level));
        p.drawRoundedRect(QRectF(2, 6, 28, 22), 4, 4);
        p.setPen(QPen(QColor(20, 70, 20), 1));
        for (int x = 5; x < 29; x += 4) p.drawLine(QPointF(x, 27), QPointF(x + 1, 27 - 2.5 * level));
    } else if (kind == "Weather") {
        const int cat = level - 1;   // 0 very sunny .. 6 very overcast, 7 bad light, 8 rain
        QColor sky = cat <= 2 ? QColor(110, 170, 240) : cat <= 4 ? QColor(140, 160, 190) : QColor(100, 105, 115);
        if (cat == 7) sky = QColor(40, 40, 60);
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
        if (cat <= 3) {
            p.setBrush(QColor(255, 210, 0));
            double r = 9 - cat * 1.2;
            p.drawEllipse(QPointF(11, 11), r, r);
        }
        if (cat == 7) {
            p.setBrush(QColor(230, 230, 170));
            p.drawEllipse(QPointF(12, 12), 6, 6);
            p.setBrush(sky);
            p.drawEllipse(QPointF(15, 10), 6, 6);
        }
        auto cloud = [&](double x, double y, QColor c) {
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), 6, 5);
            p.drawEllipse(QPointF(x + 6, y - 2), 7, 6);
            p.drawEllipse(QPointF(x + 12, y), 6, 5);
        };
        if (cat >= 1 && cat <= 6) cloud(8, 20, cat <= 3 ? Qt::white : QColor(200 - 15 * cat, 200 - 15 * cat, 205 - 15 * cat));
        if (cat >= 4 && cat <= 6) cloud(3, 12, QColor(170 - 10 * cat, 170 - 10 * cat, 180 - 10 * cat));
        if (cat == 8) {
            cloud(6, 11, QColor(90, 95, 105));
            p.setPen(QPen(QColor(120, 180, 255), 1.5));
            for (int x = 8; x < 28; x += 5) p.drawLine(QPointF(x, 20), QPointF(x - 2, 28));
        }
    } else {
        return QPixmap();
    }
    return pm;
}

// The symbol of a captain's button, in `ink`.
void ButtonSymbol(QPainter& p, const QString& what, QColor ink)
{
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::NoBrush);
    if (what == "Bat") {
        p.setBrush(ink);
        p.save();
        p.translate(16, 16);
        p.rotate(40);
        p.drawRoundedRect(QRectF(-3.5, -12, 7, 16), 2, 2);
        p.drawRect(QRectF(-1, 4, 2, 8));
        p.restore();
    } else if (what == "Bowl") {
        p.setBrush(ink);
        p.drawEllipse(QPointF(16, 16), 8, 8);
    } else if (what == "Team") {
        p.setBrush(ink);
        for (int x : {9, 16, 23}) {
            p.drawEllipse(QPointF(x, x == 16 ? 9 : 11), 3, 3);
            p.drawRoundedRect(QRectF(x - 4, x == 16 ? 14 : 16, 8, 11), 3, 3);
        }
    } else if (what == "NewBowl") {
        p.setBrush(ink);
        p.drawEllipse(QPointF(20, 18), 6, 6);
        p.drawLine(QPointF(4, 10), QPointF(11, 10));
        p.drawLine(QPointF(7, 7), QPointF(11, 10));
        p.drawLine(QPointF(7, 13), QPointF(11, 10));
    } else if (what == "Declare") {
        p.drawLine(QPointF(9, 5), QPointF(9, 28));
        p.setBrush(ink);
        QPolygonF flag;
        flag << QPointF(10, 6) << QPointF(25, 10) << QPointF(10, 15);
        p.drawPolygon(flag);
    } else if (what == "Scorebrd") {
        p.drawRect(QRectF(5, 6, 22, 20));
        p.setPen(QPen(ink, 1.5));
        for (int y : {11, 16, 21}) p.drawLine(QPointF(8, y), QPointF(24, y));
    } else if (what == "Continue") {
        p.setBrush(ink);
        QPolygonF tri;
        tri << QPointF(10, 7) << QPointF(25, 16) << QPointF(10, 25);
        p.drawPolygon(tri);
    }
}

QPixmap MenuButton(const QString& what, const QString& state)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const bool grey = state == "Gray", selected = state == "Sltd";
    QColor face = selected ? QColor(255, 230, 140) : QColor(212, 208, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRect(0, 0, 32, 32);
    // A raised bevel, sunken when selected.
    QColor light = selected ? QColor(90, 90, 90) : Qt::white, dark = selected ? Qt::white : QColor(90, 90, 90);
    p.setPen(QPen(light, 2));
    p.drawLine(1, 31, 1, 1);
    p.drawLine(1, 1, 31, 1);
    p.setPen(QPen(dark, 2));
    p.drawLine(31, 1, 31, 31);
    p.drawLine(31, 31, 1, 31);
    if (selected) p.translate(1, 1);
    ButtonSymbol(p, what, grey ? QColor(150, 150, 150) : QColor(0, 70, 0));
    return pm;
}

QPixmap Build(const QString& name)
{
    static const QString kStates[] = {"Norm", "Gray", "Sltd"};
    if (name.startsWith("Menu_")) {
        for (const QString& s : kStates)
            if (name.endsWith(s)) return MenuButton(name.mid(5, name.size() - 5 - s.size()), s);
        return QPixmap();
    }
    int us = name.indexOf('_');
    if (us > 0) {
        bool number = false;
        int level = name.mid(us + 1).toInt(&number);
        if (number) {
            QString kind = name.left(us);
            int max = kind == "Weather" ? 9 : 5;
            if (level >= 1 && level <= max) return Condition(kind, level);
            return QPixmap();
        }
    }
    return BallOutcome(name);
}

}  // namespace

QPixmap IconPixmap(const QString& name, int size)
{
    static QHash<QString, QPixmap> cache;
    auto it = cache.find(name);
    if (it == cache.end()) it = cache.insert(name, Build(name));
    if (size == 32 || it->isNull()) return *it;
    return it->scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

std::pair<QString, QString> BallPictures(ovs::Game& g, int code)
{
    switch (code) {
    case 1: return {"Ball_NoRun", {}};
    case 2: return {"Ball_Run1", {}};
    case 3: return {"Ball_Runs2", {}};
    case 4: return {"Ball_Runs3", {}};
    case 5: return {"Ball_Runs4", {}};
    case 7: return {"Ball_Runs6", {}};
    case 8: return {"Ball_Wide", {}};
    case 12: return {"Ball_LegBye1", {}};
    case 13: return {"Ball_LegByes2", {}};
    case 15: return {"Ball_LegByes4", {}};
    case 16: return {"Ball_Bye1", {}};
    case 17: return {"Ball_Byes2", {}};
    case 19: return {"Ball_Byes4", {}};
    case 21: return {"Ball_CatchChance", {}};
    case 23: return {"Ball_RunOutAppeal", {}};
    case 24: return {"Ball_RunOutAppeal", "Ball_Run1"};
    case 25: return {"Ball_RunOutAppeal", "Ball_Runs2"};
    case 26: return {"Ball_RunOutAppeal", "Ball_Runs3"};
    case 27: return {"Ball_LBWAppeal", {}};
    case 28: return {"Ball_StumpedAppeal", {}};
    case 32: return {"Ball_Bowled", {}};
    case 33: return {"Ball_Caught", {}};
    case 35: return {"Ball_RunOut", {}};
    case 36: return {"Ball_LBW", {}};
    case 37: return {"Ball_Stumped", {}};
    case 64: return {"Ball_NoBall", {}};
    // Five runs, the rarer wides, leg byes and byes: no picture of their own.
    case 6: case 9: case 10: case 11: case 14: case 18: return {};
    default:
        g.Log("Invalid Ball Outcome %d\n", code);
        return {};
    }
}

QIcon ProgramIcon()
{
    // The installed icon's own pictures (res/icons).
    QIcon icon;
    for (int size : {32, 64, 128}) icon.addFile(QString(":/icons/ovalspin-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace gui
