#include "chart_view.h"

#include <QByteArray>
#include <QPainter>

namespace gui {

namespace {

// The largest rectangle of the renderer's proportions centred in `area`.
QRectF Fitted(const QSvgRenderer& r, const QRectF& area)
{
    QSizeF size = r.viewBoxF().size();
    if (size.isEmpty()) size = QSizeF(640, 400);
    size.scale(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

}  // namespace

bool DrawChart(QPainter& p, const QRectF& area, const std::string& svg)
{
    QSvgRenderer r(QByteArray::fromStdString(svg));
    if (!r.isValid()) return false;
    r.render(&p, Fitted(r, area));
    return true;
}

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::SetSvg(const std::string& svg)
{
    renderer_.load(QByteArray::fromStdString(svg));
    update();
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (renderer_.isValid()) renderer_.render(&p, Fitted(renderer_, QRectF(rect())));
}

}  // namespace gui
