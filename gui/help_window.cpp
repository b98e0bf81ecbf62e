// The help window: the program's help pages in a browser with contents and back.
#include "help_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace gui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("HelpWindow");
    setWindowTitle("Ovalspin Help");
    resize(620, 520);
    browser_ = new QTextBrowser;
    browser_->setSearchPaths({":/help"});
    browser_->setOpenExternalLinks(false);
    auto* contents = new QPushButton("&Contents");
    auto* back = new QPushButton("&Back");
    auto* close = new QPushButton("Close");
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage("index.html"); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::ShowPage(const QString& page)
{
    browser_->setSource(QUrl("qrc:/help/" + page));
    show();
    raise();
    activateWindow();
}

// Escape closes the help, as it closes a box.
void HelpWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace gui
