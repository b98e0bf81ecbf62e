// The display options and aggression options boxes.
#include "options_boxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "data/records.h"
#include "layout.h"

namespace gui {

namespace {

struct Bit {
    unsigned bit;
    const char* text;
};

const Bit kMessageBits[] = {
    {0x1, "Starting Innings Bowlers"}, {0x2, "Starting Day Bowlers"},   {0x4, "Change of Bowler"},
    {0x8, "Batting Milestones"},       {0x10, "Partnerships"},          {0x20, "LBW Appeals"},
    {0x40, "Dropped Catches"},         {0x80, "Missed Stumpings"},      {0x100, "Missed Run outs"},
    {0x200, "Fall of Wicket"},         {0x400, "Bowling Achievements"}, {0x800, "Weather Delays"},
    {0x1000, "Start of Last Hour"},    {0x2000, "New Ball Taken"},
};

const Bit kPlayBits[] = {
    {0x80, "Watch games between computer sides"},
    {0x100, "Do not show the conditions box at the start of a Test"},
    {0x400, "Pause after every ball"},
};

QDialogButtonBox* OkCancel(QDialog& box)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    return buttons;
}

}  // namespace

bool RunDisplayOptionsBox(QWidget* parent, ovs::OPTIONS& options, bool* ballByBall)
{
    QDialog box(parent);
    box.setObjectName("OptionsDisplayBox");
    box.setWindowTitle("Display Options");
    auto* layout = new QVBoxLayout(&box);

    auto* size = new QComboBox;
    size->setObjectName("resolution");
    const char* const sizes[] = {"Screen Default", "640 x 480", "800 x 600", "1024 x 768", "1152 x 864", "1280 x 1024"};
    for (const char* s : sizes) size->addItem(s);
    // Sizes wider than the screen cannot be chosen.
    auto* model = qobject_cast<QStandardItemModel*>(size->model());
    for (int r = 1; r < 6; ++r)
        if (!ResolutionFits(r)) model->item(r)->setEnabled(false);
    size->setCurrentIndex(options.nResolution <= 5 ? options.nResolution : 0);
    auto* form = new QFormLayout;
    form->addRow("Window Size", size);
    layout->addLayout(form);

    auto* messages = new QGroupBox("Show Messages");
    auto* grid = new QGridLayout(messages);
    std::vector<std::pair<QCheckBox*, unsigned>> messageBoxes;
    int i = 0;
    for (const Bit& b : kMessageBits) {
        auto* c = new QCheckBox(b.text);
        c->setChecked(options.wShowMessages & b.bit);
        grid->addWidget(c, i / 2, i % 2);
        messageBoxes.emplace_back(c, b.bit);
        ++i;
    }
    layout->addWidget(messages);

    auto* play = new QGroupBox("Play");
    auto* playLayout = new QVBoxLayout(play);
    std::vector<std::pair<QCheckBox*, unsigned>> playBoxes;
    for (const Bit& b : kPlayBits) {
        auto* c = new QCheckBox(b.text);
        c->setChecked(options.wPlayOptions & b.bit);
        playLayout->addWidget(c);
        playBoxes.emplace_back(c, b.bit);
    }
    layout->addWidget(play);
    auto* bbb = new QCheckBox("Write a ball-by-ball file of each Test of this series");
    bbb->setObjectName("ballByBall");
    bbb->setToolTip("A text scorecard of every ball, one file per Test, in the data directory");
    bbb->setChecked(ballByBall && *ballByBall);
    bbb->setVisible(ballByBall != nullptr);
    layout->addWidget(bbb);
    layout->addWidget(OkCancel(box));

    if (box.exec() != QDialog::Accepted) return false;
    if (ballByBall) *ballByBall = bbb->isChecked();
    options.nResolution = static_cast<std::uint8_t>(size->currentIndex());
    unsigned show = options.wShowMessages;
    for (auto& [c, bit] : messageBoxes) show = c->isChecked() ? (show | bit) : (show & ~bit);
    options.wShowMessages = static_cast<std::uint16_t>(show);
    unsigned playOptions = options.wPlayOptions;
    for (auto& [c, bit] : playBoxes) playOptions = c->isChecked() ? (playOptions | bit) : (playOptions & ~bit);
    options.wPlayOptions = static_cast<std::uint16_t>(playOptions);
    return true;
}

bool RunAggressionOptionsBox(QWidget* parent, ovs::OPTIONS& options)
{
    QDialog box(parent);
    box.setObjectName("OptionsAggressionBox");
    box.setWindowTitle("Aggression Options");
    auto* layout = new QVBoxLayout(&box);
    const char* const labels[4] = {"Default Team Batting Aggression", "Default Team Bowling Aggression",
                                   "Default Player Batting Aggression", "Default Player Bowling Aggression"};
    int values[4] = {options.nTeamBatAggression, options.nTeamBowlAggression, options.nPlayerBatAggression,
                     options.nPlayerBowlAggression};
    QScrollBar* bars[4];
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(labels[i]);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
        auto* row = new QHBoxLayout;
        bars[i] = new QScrollBar(Qt::Horizontal);
        bars[i]->setRange(0, 10);
        bars[i]->setSingleStep(1);
        bars[i]->setPageStep(5);
        bars[i]->setValue(std::clamp(values[i], 0, 10));
        bars[i]->setMinimumWidth(240);
        auto* value = new QLabel(QString::number(bars[i]->value()));
        value->setMinimumWidth(24);
        QObject::connect(bars[i], &QScrollBar::valueChanged, value, [value](int v) { value->setNum(v); });
        row->addWidget(bars[i]);
        row->addWidget(value);
        layout->addLayout(row);
    }
    // The box shows the "no automatic dialogs" bit inverted.
    auto* automatic = new QCheckBox("Automatically Display Aggression dialog boxes");
    automatic->setChecked(!(options.wShowMessages & 0x4000));
    layout->addWidget(automatic);
    layout->addWidget(OkCancel(box));

    if (box.exec() != QDialog::Accepted) return false;
    options.nTeamBatAggression = static_cast<std::int8_t>(bars[0]->value());
    options.nTeamBowlAggression = static_cast<std::int8_t>(bars[1]->value());
    options.nPlayerBatAggression = static_cast<std::int8_t>(bars[2]->value());
    options.nPlayerBowlAggression = static_cast<std::int8_t>(bars[3]->value());
    unsigned show = options.wShowMessages;
    options.wShowMessages = static_cast<std::uint16_t>(automatic->isChecked() ? (show & ~0x4000u) : (show | 0x4000u));
    return true;
}

}  // namespace gui
