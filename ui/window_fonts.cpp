#include "window_fonts.h"

#include <QStringList>

namespace biorhythm::ui {
namespace {

// The designed face first, then Song/Ming faces that cover GB2312 and that
// Debian packages (fonts-arphic-uming is the one the set-up installs).
QFont songFont(qreal points, QFont::Weight weight) {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                      QStringLiteral("Noto Serif CJK SC")});
    font.setPointSizeF(points);
    font.setWeight(weight);
    // How the glyphs are drawn (anti-aliasing, hinting, the face's own bitmaps)
    // is the desktop's font set-up, as for every other program on it.
    return font;
}

}  // namespace

QFont defaultFont() {
    return songFont(9, QFont::Normal);
}

QFont boldFont() {
    return songFont(10.5, QFont::Bold);
}

}  // namespace biorhythm::ui
