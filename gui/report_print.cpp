// Printing a report with QPainter on a QPrinter: the engine places the texts
// on the report's grid (report/print.h); this draws them in a sans-serif
// family of the desktop, and keeps the PrintStop box live between pages.
#include "report_print.h"

#include "chart_view.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

#include "core/game.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "dialogs/dialog_util.h"
#include "report/print.h"

namespace gui {

namespace {

void PrinterBox(ovs::Game& g, const std::string& text, const char* caption = ovs::kPrinterErrorCaption)
{
    g.host->MessageBox(text, caption, ovs::BoxButtons::Ok, ovs::BoxIcon::Exclamation);
}

// The modeless "Printing..." box: any command in it asks the job to stop.
class PrintStopBox : public QDialog {
public:
    explicit PrintStopBox(QWidget* parent, bool& abort) : QDialog(parent), abort_(abort)
    {
        setObjectName("PrintStopBox");
        StyleDialog(*this, "Printing...");
        auto* top = new QVBoxLayout(this);
        top->addWidget(new QLabel("Click Button to Stop", this));
        auto* cancel = new QPushButton("Cancel", this);
        cancel->setObjectName("ctl151");
        top->addWidget(cancel);
        connect(cancel, &QPushButton::clicked, this, [this] { abort_ = true; });
    }
    void reject() override { abort_ = true; }

private:
    bool& abort_;
};

class QtPrintWriter : public ovs::PrintWriter {
public:
    QtPrintWriter(QPrinter& printer, QWidget* parent, ovs::Game& g) : printer_(printer), parent_(parent), g_(g) {}
    ~QtPrintWriter() override { End(); }

    bool StartDoc(const std::string& name, int columns, int rows) override
    {
        printer_.setDocName(Q(name));
        if (!printer_.isValid()) {
            PrinterBox(g_, "Unable to setup Printer.");
            return false;
        }
        if (parent_) {
            // The main window waits while the job runs; only PrintStop takes input.
            window_ = parent_->window();
            window_->setEnabled(false);
            stop_ = new PrintStopBox(window_, abort_);
            stop_->setEnabled(true);
            stop_->show();
            Pump();
        }
        if (!painter_.begin(&printer_)) {
            End();
            PrinterBox(g_, ovs::PrintErrorText(-1));
            PrinterBox(g_, "Could not activate printer.", "Ovalspin - Error");
            return false;
        }
        const QRect page = printer_.pageLayout().paintRectPixels(printer_.resolution());
        geo_ = ovs::PrintGeometryOf(page.width(), page.height(), columns, rows);
        for (int f = 0; f < 5; ++f) {
            const auto font = static_cast<ovs::PrintFont>(f);
            QFont& q = fonts_[f];
            q = QFont(QApplication::font().family());
            q.setStyleHint(QFont::SansSerif);
            q.setPixelSize(std::max(1, ovs::PrintFontHeight(font, geo_.lineHeight) * 4 / 5));
            q.setWeight(font == ovs::PrintFont::Normal ? QFont::Normal : QFont::Bold);
            if (font == ovs::PrintFont::Wide) q.setStretch(QFont::SemiExpanded);
        }
        painter_.setPen(Qt::black);
        return true;
    }

    void Text(double col, double row, ovs::PrintFont font, ovs::PrintAlign align, const std::string& text) override
    {
        if (!painter_.isActive()) return;
        painter_.setFont(fonts_[static_cast<int>(font)]);
        const QFontMetrics fm(painter_.font());
        const QString t = Q(text);
        const int x = geo_.left + static_cast<int>(col * geo_.cellWidth);
        const int y = geo_.top + static_cast<int>(row * geo_.lineHeight);
        const int w = fm.horizontalAdvance(t);
        const int left = align == ovs::PrintAlign::Right ? x - w : align == ovs::PrintAlign::Centre ? x - w / 2 : x;
        painter_.drawText(left, y + fm.ascent(), t);
    }

    void Chart(double col, double row, double cols, double rows, const std::string& svg) override
    {
        if (!painter_.isActive()) return;
        const QRectF area(geo_.left + col * geo_.cellWidth, geo_.top + row * geo_.lineHeight, cols * geo_.cellWidth,
                          rows * geo_.lineHeight);
        DrawChart(painter_, area, svg);
    }

    bool EndPage() override
    {
        Pump();
        if (abort_) return Cancelled();
        pendingPage_ = true;
        return true;
    }

    bool EndDoc() override
    {
        Pump();
        if (abort_) return Cancelled();
        const bool ok = painter_.end();
        End();
        if (!ok) PrinterBox(g_, ovs::PrintErrorText(-1));
        return ok;
    }

    // Called before the next text of a new page.
    void NextPageIfDue()
    {
        if (pendingPage_) printer_.newPage();
        pendingPage_ = false;
    }

private:
    bool Cancelled()
    {
        printer_.abort();
        if (painter_.isActive()) painter_.end();
        End();
        PrinterBox(g_, ovs::PrintErrorText(-2));
        return false;
    }

    void Pump()
    {
        if (stop_) QApplication::processEvents();
    }

    void End()
    {
        if (stop_) {
            stop_->hide();
            stop_->deleteLater();
            stop_ = nullptr;
        }
        if (window_) {
            window_->setEnabled(true);
            window_->activateWindow();
            window_ = nullptr;
        }
    }

    QPrinter& printer_;
    QWidget* parent_;
    ovs::Game& g_;
    QPainter painter_;
    QFont fonts_[5];
    ovs::PrintGeometry geo_{};
    bool abort_ = false;
    bool pendingPage_ = false;
    QPointer<QWidget> window_;
    PrintStopBox* stop_ = nullptr;
};

// Starts a new page before the first text after a page's end.
class PagingWriter : public ovs::PrintWriter {
public:
    explicit PagingWriter(QtPrintWriter& w) : w_(w) {}
    bool StartDoc(const std::string& n, int c, int r) override { return w_.StartDoc(n, c, r); }
    void Text(double col, double row, ovs::PrintFont f, ovs::PrintAlign a, const std::string& t) override
    {
        w_.NextPageIfDue();
        w_.Text(col, row, f, a, t);
    }
    void Chart(double col, double row, double cols, double rows, const std::string& svg) override
    {
        w_.NextPageIfDue();
        w_.Chart(col, row, cols, rows, svg);
    }
    bool EndPage() override { return w_.EndPage(); }
    bool EndDoc() override { return w_.EndDoc(); }

private:
    QtPrintWriter& w_;
};

const ovs::ReportEntry* Resolve(ovs::Game& g, const char* name, ovs::ReportParams& p)
{
    const ovs::ReportEntry* r = ovs::FindReport(name);
    std::string error;
    if (!r) {
        PrinterBox(g, std::string("There is no report called ") + name + ".");
        return nullptr;
    }
    if (!ovs::ResolveReportParams(g, *r, p, error)) {
        PrinterBox(g, "Unable to print the report: " + error + ".");
        return nullptr;
    }
    return r;
}

}  // namespace

bool DrawReport(QPrinter& printer, QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p)
{
    ovs::ReportParams params = p;
    const ovs::ReportEntry* r = Resolve(g, name, params);
    if (!r) return false;
    QtPrintWriter qt(printer, parent, g);
    PagingWriter w(qt);
    return ovs::PrintReport(g, w, *r, params);
}

int PrintReportBox(QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid()) {
        PrinterBox(g, "Unable to setup Printer.");
        return 0;
    }
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("PrintPreview");
    preview.setWindowTitle("Print Preview");
    int printed = 0;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        // The preview draws into pictures; the job itself goes to the
        // printer with the PrintStop box.
        const bool previewing = target->paintEngine() && target->paintEngine()->type() == QPaintEngine::Picture;
        if (DrawReport(*target, previewing ? nullptr : parent, g, name, p) && !previewing) printed = 1;
    });
    preview.exec();
    return printed;
}

bool PrintReportToPdf(ovs::Game& g, const char* name, const ovs::ReportParams& p, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return DrawReport(printer, nullptr, g, name, p);
}

int PrintPdfCommand(ovs::Game& g, const QString& name, const QString& file)
{
    // The report is of the saved series when there is one.
    const std::string saved = ovs::JoinPath(ovs::DirectoryOf(g.dbPath), ovs::kSavedPositionName);
    if (QFile::exists(Q(saved)) && !ovs::LoadSavedPosition(g)) return 1;
    if (!PrintReportToPdf(g, name.toStdString().c_str(), {}, file)) return 1;
    std::printf("Report printed to %s\n", file.toStdString().c_str());
    return 0;
}

}  // namespace gui
