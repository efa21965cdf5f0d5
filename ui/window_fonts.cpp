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
    // Whole pixels, each exactly in the text's colour, as the Song faces' own
    // small sizes are drawn: an anti-aliased 9 pt stroke never reaches its
    // colour, and a colour chosen to read on a dark scheme would not.
    font.setStyleStrategy(QFont::NoAntialias);
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
