// Habits every dialog shares: the default button, the first focus, the fit.
#include "dialog_kit.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "layout.h"

namespace gui {

namespace {

// The room a window manager's frame takes around a dialog, when the
// platform has not told us yet.
QSize FrameExtra(const QDialog& d)
{
    const QSize frame = d.frameGeometry().size() - d.size();
    return frame.isEmpty() ? QSize(8, 32) : frame;
}

// Does the dialog fit at its preferred size (or, `squeezed`, at its least)?
bool Fits(const QDialog& d, QSize room, bool squeezed)
{
    const QSize want = squeezed ? d.minimumSizeHint() : d.sizeHint().expandedTo(d.minimumSizeHint());
    return want.width() <= room.width() && want.height() <= room.height();
}

// The dialog's texts and the canvases that set their own type, 10% smaller.
void ShrinkType(QDialog& d)
{
    auto smaller = [](QWidget* w) {
        QFont f = w->font();
        if (f.pixelSize() > 0)
            f.setPixelSize(std::max(9, f.pixelSize() * 9 / 10));
        else
            f.setPointSizeF(std::max(6.5, f.pointSizeF() * 0.9));
        w->setFont(f);
    };
    smaller(&d);
    for (QWidget* w : d.findChildren<QWidget*>())
        if (w->testAttribute(Qt::WA_SetFont)) smaller(w);
}

}  // namespace

void SetDefaultButton(QDialog& d, QPushButton* ok)
{
    for (QPushButton* b : d.findChildren<QPushButton*>()) {
        b->setAutoDefault(b == ok);
        if (b != ok) b->setDefault(false);
    }
    if (ok) ok->setDefault(true);
}

void SlidersTakeFocus(QDialog& d)
{
    for (QAbstractSlider* s : d.findChildren<QAbstractSlider*>()) {
        if (!(s->focusPolicy() & Qt::TabFocus)) s->setFocusPolicy(Qt::StrongFocus);
        // A scroll bar's keys run backwards by default; Right and Up mean more.
        if (qobject_cast<QScrollBar*>(s)) s->setInvertedControls(false);
    }
}

void FocusCheckedChoice(QDialog& d)
{
    QWidget* focus = d.focusWidget();
    auto* radio = qobject_cast<QRadioButton*>(focus);
    if (focus && (!radio || radio->isChecked())) return;
    for (QRadioButton* r : d.findChildren<QRadioButton*>())
        if (r->isChecked() && r->isEnabled() && r->isVisibleTo(&d)) {
            r->setFocus(Qt::TabFocusReason);
            return;
        }
}

void FitToScreen(QDialog& d)
{
    const QRect screen = ScreenRect();
    const QSize room = screen.size() - FrameExtra(d);
    if (!Fits(d, room, false)) {
        // First close up the columns, then smaller type, a step at a time:
        // a few steps for the preferred size, more for the least one.
        for (QGridLayout* grid : d.findChildren<QGridLayout*>())
            grid->setHorizontalSpacing(std::min(grid->horizontalSpacing(), 6));
        if (d.layout()) d.layout()->activate();
        for (int step = 0; step < 8 && !Fits(d, room, step >= 3); ++step) {
            ShrinkType(d);
            if (d.layout()) d.layout()->activate();
        }
        d.resize(d.sizeHint().boundedTo(room).expandedTo(d.minimumSizeHint()));
    }
    // Centred on the window that opened it, then moved inside the screen.
    QRect r(QPoint(0, 0), d.size() + FrameExtra(d));
    const QWidget* parent = d.parentWidget() ? d.parentWidget()->window() : nullptr;
    r.moveCenter(parent ? parent->frameGeometry().center() : screen.center());
    r.moveLeft(std::clamp(r.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - r.width())));
    r.moveTop(std::clamp(r.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - r.height())));
    d.move(r.topLeft());
}

void LabelIconButton(QAbstractButton* b, const QString& what)
{
    b->setToolTip(what);
    b->setAccessibleName(what);
}

void DialogKit::Install()
{
    static DialogKit* kit = nullptr;
    if (kit) return;
    kit = new DialogKit(qApp);
    qApp->installEventFilter(kit);
}

bool DialogKit::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* d = qobject_cast<QDialog*>(watched);
    if (!d || qobject_cast<QMessageBox*>(d) || qobject_cast<QFileDialog*>(d)) return false;
    if (auto* ok = d->findChild<QPushButton*>("ctl150")) SetDefaultButton(*d, ok);
    SlidersTakeFocus(*d);
    FitToScreen(*d);
    FocusCheckedChoice(*d);
    return false;
}

}  // namespace gui
