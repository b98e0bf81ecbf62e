// The program's pictures: ball outcomes, condition levels, weather and the
// captain's buttons, looked up by their resource names and painted in code.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <utility>

namespace ovs {
struct Game;
}

namespace gui {

// The 32 x 32 picture of resource `name` ("Ball_Runs4", "Pitch_3",
// "Menu_BatGray", ...); a null pixmap for an unknown name.
QPixmap IconPixmap(const QString& name, int size = 32);

// The one or two pictures of ball outcome `code` (empty names where there
// is none); an unknown code logs "Invalid Ball Outcome %d".
std::pair<QString, QString> BallPictures(ovs::Game& g, int code);

// The program's own icon.
QIcon ProgramIcon();

}  // namespace gui
