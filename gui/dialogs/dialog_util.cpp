// Shared pieces of the play dialogs: match texts and the column canvas.
#include "dialog_util.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPushButton>

#include "core/game.h"
#include "data/texts.h"

namespace gui {

std::string SlotPlayerName(const ovs::Game& g, int side, int slot)
{
    if (!g.pTest || side < 0 || side > 1 || slot < 0 || slot >= ovs::MAX_ELEVEN) return "";
    const int squad = g.Series.nSquad[side];
    const int member = g.pTest->nPlayer[slot][side];
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size()) || member < 0 || member >= ovs::MAX_SQUAD)
        return "";
    const int p = g.db.squads[squad].nPlayer[member];
    if (p < 0 || p >= static_cast<int>(g.db.players.size())) return "";
    return ovs::DisplayName(g.db.players[p]);
}

std::string Ordinal(int n)
{
    static const char* const kOrd[] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    return n >= 1 && n <= 6 ? kOrd[n - 1] : std::to_string(n) + "th";
}

void DialogMessage(ovs::Game& g, const std::string& text, const std::string& caption, bool warning)
{
    g.host->MessageBox(text, caption, ovs::BoxButtons::Ok, warning ? ovs::BoxIcon::Exclamation : ovs::BoxIcon::None);
}

ColumnCanvas::ColumnCanvas(int columns, int rows, QWidget* parent) : QWidget(parent), columns_(columns), rows_(rows)
{
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

// At least a character a column in the type it has now (smaller on a small
// screen); the air between them may go.
QSize ColumnCanvas::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    return {columns_ * fm.averageCharWidth() + 8, rows_ * fm.height() + 8};
}

void ColumnCanvas::SetGrid(int columns, int rows)
{
    columns_ = columns > 0 ? columns : 1;
    rows_ = rows;
    setMinimumHeight(sizeHint().height());
    updateGeometry();
    update();
}

void ColumnCanvas::Add(double col, double row, CellText::Align align, const QString& text)
{
    cells_.push_back({col, row, align, text});
    update();
}

QString ColumnCanvas::AllText() const
{
    QString s;
    for (const CellText& c : cells_) s += c.text + "\n";
    return s;
}

QSize ColumnCanvas::sizeHint() const
{
    // Wide enough that a column holds an average character and a little air.
    const QFontMetrics fm(font());
    return {columns_ * (fm.averageCharWidth() + 2) + 8, rows_ * fm.height() + 8};
}

void ColumnCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    const int colWidth = width() / columns_;
    const int margin = (width() - columns_ * colWidth) / 2;
    const int lineHeight = fm.height();
    for (const CellText& c : cells_) {
        const int x = margin + static_cast<int>(c.col * colWidth);
        const int y = 4 + static_cast<int>(c.row * lineHeight) + fm.ascent();
        const int w = fm.horizontalAdvance(c.text);
        int left = x;
        if (c.align == CellText::Right) left = x - w;
        if (c.align == CellText::Centre) left = x - w / 2;
        p.drawText(left, y, c.text);
    }
}

void StyleDialog(QDialog& d, const QString& title)
{
    d.setWindowTitle(title);
    d.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QDialogButtonBox* AddOkButton(QDialog& d, QLayout* top, bool accepts)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &d);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ctl150");
    top->addWidget(buttons);
    if (accepts) QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    return buttons;
}

QDialogButtonBox* AddOkCancelButtons(QDialog& d, QLayout* top, bool accepts)
{
    auto* buttons = AddOkButton(d, top, accepts);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("ctl151");
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    return buttons;
}

}  // namespace gui
