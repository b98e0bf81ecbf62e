// A started desktop game for the GUI tests.
#include "gui_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>
#include <QCoreApplication>
#include <QTest>
#include <QDir>
#include <QFile>

#include "core/log.h"
#include "core/menu.h"
#include "core/series.h"
#include "core/startup.h"
#include "data/files.h"
#include "dialogs/dialog_util.h"
#include "layout.h"

namespace guitest {

void OnDialog(const QString& name, std::function<void(QDialog*)> act)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [name, act, poll] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || (!name.isEmpty() && d->objectName() != name)) {
            QTimer::singleShot(5, *poll);
            return;
        }
        act(d);
        if (d->isVisible()) d->done(QDialog::Rejected);
    };
    QTimer::singleShot(0, *poll);
}

void Click(QDialog* d, const char* name)
{
    auto* b = d->findChild<QAbstractButton*>(name);
    QVERIFY2(b, name);
    b->click();
}

BoxPlayer::BoxPlayer()
{
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
}

void BoxPlayer::Tick()
{
    QWidget* m = QApplication::activeModalWidget();
    if (!m) {
        last_ = nullptr;
        return;
    }
    if (m != last_) {
        last_ = m;
        seen << m->objectName();
        tries_ = 0;
    }
    if (++tries_ > 50) {
        // A box that will not close: note it and get it out of the way.
        ++stuck;
        qWarning() << "stuck in" << m->objectName();
        if (auto* d = qobject_cast<QDialog*>(m)) d->done(QDialog::Rejected);
        return;
    }
    Answer(m, tries_);
}

QStringList CanvasRow(const gui::ColumnCanvas& canvas, double row)
{
    std::vector<gui::CellText> cells;
    for (const gui::CellText& c : canvas.Cells())
        if (c.row == row) cells.push_back(c);
    std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.col < b.col; });
    QStringList out;
    for (const auto& c : cells) out << c.text;
    return out;
}

QString Shot(QWidget* w, const QString& name)
{
    QDir().mkpath(OVALSPIN_SCREENSHOT_DIR);
    const QString path = QString(OVALSPIN_SCREENSHOT_DIR) + "/" + name + ".png";
    w->grab().save(path);
    return path;
}

GuiSession::GuiSession(bool realDialogs, int resolution) : dataDir_(dir_.path())
{
    Start(realDialogs, resolution, OVALSPIN_DB_FILE);
}

GuiSession::GuiSession(bool realDialogs, int resolution, const QString& dataDir) : dataDir_(dataDir)
{
    const QString db = dataDir + "/" + ovs::kDefaultDatabaseName;
    if (!QFile::exists(db)) QFile::copy(OVALSPIN_DB_FILE, db);
    Start(realDialogs, resolution, db.toStdString());
}

void GuiSession::Start(bool realDialogs, int resolution, const std::string& dbPath)
{
    // Big enough for every window size the tests take pictures of.
    gui::SetScreenSizeForTests(QSize(1280, 1024));
    host_ = std::make_unique<gui::GuiHost>(dataDir_.toStdString());
    game_ = std::make_unique<ovs::Game>(*host_);
    window_ = std::make_unique<gui::MainWindow>(*game_, *host_);
    host_->boxAnswer = [](const gui::BoxRecord& b) {
        return (b.buttons == ovs::BoxButtons::YesNo || b.buttons == ovs::BoxButtons::YesNoCancel) ? ovs::IDYES
                                                                                                    : ovs::IDOK;
    };
    if (!realDialogs) host_->dialogAnswer = [](ovs::DialogRequest&) { return 0; };

    ovs::StartupOptions so;
    so.seed = 12345;
    so.dbPath = dbPath;
    so.showAbout = false;
    so.createWindow = [this, resolution](ovs::Game& g) {
        g.options.nResolution = static_cast<std::uint8_t>(resolution);
        window_->ResizeMainWindow(false);
        return true;
    };
    so.createPanes = [this](ovs::Game&) {
        window_->CreatePanes();
        return true;
    };
    started_ = ovs::Startup(*game_, so);
    if (started_) {
        window_->UpdateCommands();
        window_->show();
        // Accelerators reach the active window only.
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        (void)QTest::qWaitForWindowActive(window_.get(), 1000);
    }
}

GuiSession::~GuiSession()
{
    window_.reset();
    Shutdown();
}

void GuiSession::Shutdown()
{
    if (started_ && !shutDown_) {
        shutDown_ = true;
        ovs::Shutdown(*game_);
    }
}

bool GuiSession::StartWatchedSeries(int home, int away, int tests, bool weather)
{
    std::string refusal;
    if (!ovs::SetUpComputerSeries(*game_, home, away, tests, weather, refusal)) return false;
    game_->options.wPlayOptions = static_cast<std::uint16_t>(game_->options.wPlayOptions | 0x80);
    window_->Command(ovs::CMD_PREPAREDSERIES);
    return true;
}

bool GuiSession::RunUntilPaused(int maxTurns)
{
    for (int i = 0; i < maxTurns; ++i) {
        QCoreApplication::processEvents();
        if (game_->queue.Empty() && (game_->bPaused || game_->Current.nTime < 800)) {
            QCoreApplication::processEvents();   // the last repaints
            return true;
        }
    }
    return false;
}

bool GuiSession::PlayOversUntil(const std::function<bool()>& until, int overs)
{
    for (int i = 0; i < overs; ++i) {
        if (!RunUntilPaused()) return false;
        if (until()) return true;
        window_->Command(ovs::CMD_NEXTOVER);
    }
    return until();
}

bool GuiSession::RunUntilIdle(int maxTurns)
{
    for (int i = 0; i < maxTurns; ++i) {
        QCoreApplication::processEvents();
        if (game_->queue.Empty()) return true;
    }
    return false;
}

void GuiSession::Key(Qt::Key key, Qt::KeyboardModifiers mods)
{
    if (QApplication::activeWindow() != window_.get()) {
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
    }
    QTest::keyClick(window_.get(), key, mods);
}

QString GuiSession::Screenshot(const QString& name)
{
    QDir().mkpath(OVALSPIN_SCREENSHOT_DIR);
    QString path = QString(OVALSPIN_SCREENSHOT_DIR) + "/" + name + ".png";
    window_->grab().save(path);
    return path;
}

QString GuiSession::LogText() const
{
    return QString::fromStdString(ovs::RunLog::ReadText((dataDir_ + "/DEBUG.TXT").toStdString()));
}

}  // namespace guitest
