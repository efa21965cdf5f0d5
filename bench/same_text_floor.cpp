// The honest floor for start-up: a bare Qt window of the program's size that
// paints every text the program's window shows when it opens, each in the
// same font (taken from the window at build time), and nothing else.
#include <QApplication>
#include <QLabel>

#include "window_fonts.h"
#include "window_texts.h"

namespace {

QString joined(const auto& texts) {
    QStringList lines;
    for (const char* text : texts) lines << QString::fromUtf8(text);
    return lines.join(u'\n');
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(752, 569);
    QLabel regular(joined(kRegularTexts), &window);
    regular.setFont(biorhythm::ui::defaultFont());
    regular.setWordWrap(true);
    regular.setGeometry(0, 0, 752, 520);
    QLabel bold(joined(kBoldTexts), &window);
    bold.setFont(biorhythm::ui::boldFont());
    bold.setGeometry(0, 520, 752, 49);
    window.show();
    return app.exec();
}
