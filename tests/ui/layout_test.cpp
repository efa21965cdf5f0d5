// The window's layout at any screen density, and its colours on any scheme.
#include <QGroupBox>
#include <QMetaEnum>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <cmath>

#include "biorhythm.h"
#include "form_test.h"

using namespace biorhythm::ui::testing;
using LayoutTest = FormTest;
using ColourTest = FormTest;
using biorhythm::ui::Form1;

// Where `frame`'s style puts its title, in the frame.
static QRect titleOf(const QGroupBox& frame) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         &frame);
}

// The edges of `box`, a frame or a button, that are not drawn whole in
// `picture` of its window, or "" when all four are: across each of its four
// edges, going in from the edge, the first line of device pixels that differs
// from the window is of one colour along the edge, and within a few lines more
// gives way to another colour: a line of its own, not the box's face. The ends
// of each edge are left out, and so is a frame's title, which one style draws
// above the frame's top line and another on it; the top line is looked for
// above the frame's first text.
static std::string linesMissing(const QImage& picture, const QWidget& box) {
    const qreal scale = picture.devicePixelRatio();
    const QRect r(box.mapTo(box.window(), QPoint()) * scale, box.size() * scale);
    const int ends = qCeil(8 * scale), depth = qCeil(4 * scale) + 1;
    int top = depth;
    QRect title;
    if (const auto* frame = qobject_cast<const QGroupBox*>(&box)) {
        top = qRound(frame->childrenRect().top() * scale);  // a frame holds only texts
        const QRect label = titleOf(*frame);
        title = QRect(r.left() + qFloor((label.left() - 4) * scale), 0,
                      qCeil((label.width() + 8) * scale), 1);
    }
    const int window = qGray(picture.pixel(2, 2));
    // The grey where the line `n` pixels in from `edge` starts, or -1 where it
    // is not of one colour, or of one that shades off smoothly: a row (top,
    // bottom) or a column (left, right) between the ends.
    const auto line = [&](Qt::Edge edge, int n) {
        const bool row = edge == Qt::TopEdge || edge == Qt::BottomEdge;
        const int across = edge == Qt::TopEdge      ? r.top() + n
                           : edge == Qt::BottomEdge ? r.bottom() - n
                           : edge == Qt::LeftEdge   ? r.left() + n
                                                    : r.right() - n;
        const int from = row ? r.left() + ends : r.top() + top + ends;
        int first = -1, previous = -1;
        for (int along = from; along <= (row ? r.right() : r.bottom()) - ends; ++along) {
            if (edge == Qt::TopEdge && along >= title.left() && along <= title.right()) continue;
            const int g = qGray(row ? picture.pixel(along, across) : picture.pixel(across, along));
            if (first == -1) first = previous = g;
            if (qAbs(g - previous) > 2) return -1;
            previous = g;
        }
        return first;
    };
    std::string missing;
    for (const Qt::Edge edge : {Qt::TopEdge, Qt::BottomEdge, Qt::LeftEdge, Qt::RightEdge}) {
        int n = 0;
        while (n < (edge == Qt::TopEdge ? top : depth) && qAbs(line(edge, n) - window) <= 2) ++n;
        const int colour = line(edge, n);
        int inner = n + 1;
        while (inner <= n + depth && line(edge, inner) != -1 &&
               qAbs(line(edge, inner) - colour) <= 2)
            ++inner;
        if (colour == -1 || qAbs(colour - window) <= 2 || inner > n + depth)
            missing += std::string(" ") + QMetaEnum::fromType<Qt::Edge>().valueToKey(edge);
    }
    return missing;
}

// WCAG 2's contrast ratio.
static double contrast(QColor one, QColor other) {
    const auto luminance = [](QColor c) {
        double sum = 0.05;
        for (const auto& [v, weight] :
             {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
            sum += weight * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        return sum;
    };
    return qMax(luminance(one), luminance(other)) / qMin(luminance(one), luminance(other));
}

// How many pixels of `image` are of each colour.
static QHash<QRgb, int> coloursOf(const QImage& image) {
    QHash<QRgb, int> n;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++n[image.pixel(x, y)];
    return n;
}

// A text's background: the most common colour of its box.
static QRgb backgroundOf(const QHash<QRgb, int>& colours) {
    return std::ranges::max(colours.keys(), {}, [&](QRgb c) { return colours[c]; });
}

// `control`'s box in `picture` of the whole window, in device pixels.
static QImage boxOf(const QImage& picture, const QWidget& form, const QWidget& control) {
    QRect place(control.mapTo(&form, QPoint()), control.size());
    // Of a frame, its title, less a pixel at each end where the frame's line may meet it.
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        place = titleOf(*frame).translated(place.topLeft()).adjusted(1, 0, -1, 0);
    const qreal scale = picture.devicePixelRatio();
    return picture.copy(QRect(place.topLeft() * scale, place.size() * scale));
}

// Checks each text in `picture` of `form` on a scheme of `window` and `text`
// colours. A text's background is its box's most common colour, and its colour
// the one that stands out most from that: measured where no text is
// anti-aliased, so that every stroke is whole. A plain text is in the scheme's
// text colour. A coloured one keeps its designed colour where that reads on a
// light scheme, and elsewhere takes its own hue in a colour that reads as well
// as text should, or as the scheme's text colour does.
static void expectReadable(const QImage& picture, const Form1& form, QColor window, QColor text) {
    EXPECT_EQ(picture.pixelColor(2, 2), window);
    const QColor red(255, 0, 0), darkRed(192, 0, 0), blue(0, 0, 255);
    // clang-format off
    for (const auto& [name, designed] : {std::pair{"Label1", red}, {"Label2", blue}, {"Label4", darkRed},
             {"Label6", darkRed}, {"Label8", darkRed}, {"Label13", red}, {"Label14", red}, {"Frame5", blue},
             {"Frame6", blue}, {"Label9", text}, {"Label10", text}, {"Label11", text}, {"Label12", text}}) {
        // clang-format on
        const QHash<QRgb, int> colours =
            coloursOf(boxOf(picture, form, *form.findChild<QWidget*>(name)));
        const QColor bg = backgroundOf(colours);
        QColor seen = bg;
        for (const QColor c : colours.keys())
            if (contrast(c, bg) > contrast(seen, bg)) seen = c;
        const int hueOff = qAbs(seen.hsvHue() - designed.hsvHue());
        if (designed == text ||
            (qGray(bg.rgb()) > qGray(text.rgb()) && contrast(designed, bg) >= 3))
            EXPECT_EQ(seen, designed) << name;
        else
            EXPECT_TRUE(seen.hsvHue() >= 0 && qMin(hueOff, 360 - hueOff) <= 15 &&
                        contrast(seen, bg) >= qMin(4.5, contrast(text, bg)))
                << name << " " << seen.name().toStdString();
    }
}

// Every text of `form` lies inside its frame and is not cut off, every button's
// caption fits it, and every frame and button is drawn whole.
static void expectWhole(Form1* form) {
    for (auto* text : form->findChildren<biorhythm::ui::CaptionLabel*>()) {
        const QRect frame =
            text->parentWidget()->rect().adjusted(1, text->fontMetrics().height(), -1, -1);
        QSize needed =
            text->wordWrap() ? QSize(0, text->heightForWidth(text->width())) : text->sizeHint();
#ifdef Q_OS_WIN
        // Wine has no 宋体, and its stand-in's lines stand taller: there the
        // paragraphs of 科学依据 are judged by width alone, and the layout stays 宋体's.
        if (text->parentWidget()->objectName() == u"Frame6") needed.setHeight(0);
#endif
        EXPECT_TRUE(frame.contains(text->geometry()) && needed.boundedTo(text->size()) == needed)
            << text->objectName().toStdString();
    }
    for (QPushButton* button : form->findChildren<QPushButton*>())
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8);
    // As the screen shows it, painted into the window (on Windows, Qt's
    // style draws some parts straight into it). Qt's offscreen platform grabs a
    // window at 1x only: there it is rendered apart, by the same painting.
    form->repaint();
    const QImage picture = QGuiApplication::platformName() == u"offscreen"
                               ? form->grab().toImage()
                               : form->screen()->grabWindow(form->winId()).toImage();
    for (const QWidget* box : form->findChildren<QWidget*>())
        if (qobject_cast<const QGroupBox*>(box) || qobject_cast<const QPushButton*>(box)) {
            EXPECT_EQ(linesMissing(picture, *box), "") << box->objectName().toStdString();
        }
}

// The whole road by keyboard to the worked example, as the colour test takes it.
static constexpr auto kWorkedExample = "Down*81 Tab Down*5 Tab Down*12 Tab Space";

// The road to the worked example: the results in full in their labels, every
// text inside its frame and not cut off, every button's caption fitting it,
// every frame and button drawn whole, the window at its fixed size (saved as a
// picture); a press on the next day counts one day more; then the clear button.
TEST_F(LayoutTest, TheWorkedExampleShowsInFullUntilCleared) {
    const QString questions = label(3)->text() + label(5)->text() + label(7)->text();
    // In the designed fonts: a Chinese character 12 pixels wide, and in the bold
    // prompt 14, or 15 where Windows widens a bold Song glyph by a pixel.
    EXPECT_EQ(label(3)->width(), label(3)->text().size() * 12);
    EXPECT_GE(label(1)->width(), label(1)->text().size() * 14);
    EXPECT_TRUE(QFontInfo(label(1)->font()).bold());
    play(kWorkedExample);
    const auto report = std::get<biorhythm::AnalysisReport>(biorhythm::analyseBirthDate(
        80, 4, 11, "1980年", "5月", "12日", std::chrono::year{2024} / 3 / 15));
    EXPECT_EQ(
        (label(2)->text() + label(3)->text() + label(5)->text() + label(7)->text()).toStdString(),
        report.greeting + report.intellect + report.emotion + report.physical);
    for (int n : {3, 5, 7}) {  // a line per CR LF, above the label's note
        EXPECT_EQ(label(n)->height() / label(n)->fontMetrics().lineSpacing(), 3) << n;
        EXPECT_LT(label(n)->geometry().bottom(), label(n + 1)->y()) << n;
    }
    EXPECT_TRUE(form->size() == QSize(752, 569) && form->minimumSize() == form->maximumSize());
    form->grab().toImage().save(
        QStringLiteral(BIORHYTHM_PICTURE_DIR "/form1@%1x.png").arg(form->devicePixelRatioF()));
    expectWhole(form.get());

    platform.todayIs = std::chrono::year{2024} / 3 / 16;  // past midnight
    play("Command1");
    EXPECT_EQ(label(2)->text(), QString::fromStdString(report.greeting)
                                    .replace(QStringLiteral("16013天"), QStringLiteral("16014天")));
    play("Command2");
    EXPECT_EQ(label(2)->text(),
              QStringLiteral("小提示：点击“开始分析”按钮后系统将给出分析结果！！"));
    EXPECT_EQ(label(3)->text() + label(5)->text() + label(7)->text(), questions);
    // The day items wait until the month list is entered.
    EXPECT_EQ(lists(), QStringLiteral("选择年份 选择月份- 选择日期- /31 Command2"));
}

// The texts are drawn as the desktop's font set-up says, which by default
// anti-aliases them: the hint has shades between its ink and its background.
// Its comma is set as Simplified Chinese sets it, in the lower-left quarter of
// its cell (Traditional Chinese centres it).
TEST_F(LayoutTest, TextsAreDrawnAsTheDesktopsFontSetUpSays) {
    const QImage picture = form->grab().toImage();
    const QImage hint = boxOf(picture, *form, *label(2));
    const QHash<QRgb, int> colours = coloursOf(hint);
    const QRgb background = backgroundOf(colours);
    EXPECT_GT(colours.size(), 2) << "the hint is drawn in its ink and its background alone";

    const QFontMetrics metrics = label(2)->fontMetrics();
    const QString text = label(2)->text();
    const qreal scale = picture.devicePixelRatio();
    const int left = qRound(metrics.horizontalAdvance(text.left(text.indexOf(u'，'))) * scale);
    const QImage cell = hint.copy(left, 0, qRound(metrics.horizontalAdvance(u'，') * scale),
                                  qRound(metrics.height() * scale));
    QRect ink;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (cell.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
    EXPECT_TRUE(!ink.isEmpty() && ink.right() < cell.width() / 2 && ink.top() >= cell.height() / 2)
        << "the comma's ink at " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
        << ink.height() << " of its " << cell.width() << "x" << cell.height() << " cell";
}

// The window on the worked example under the desktop's own colours, then
// under fixed colour schemes, switched while it is open: through the
// application's palette, or with the whole palette stamped on every widget as
// some desktop themes do. In turn qt6ct's darker, qt6ct's dusk, Breeze Dark,
// white on black and qt6ct's airy.
TEST_F(ColourTest, EveryTextReadsOnEverySchemeSwitchedWhileOpen) {
    // Measured where no text is anti-aliased, so that every stroke is whole
    // pixels of its colour: the fonts ask for it themselves (Wine smooths Qt's
    // text whatever FontSmoothing says). Qt's DirectWrite engine, which
    // Windows uses when it scales, does not heed it; there the strokes are
    // thick enough.
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        QFont font = widget->font();
        font.setStyleStrategy(QFont::NoAntialias);
        widget->setFont(font);
    }
    play(kWorkedExample);
    const QPalette desktop = QApplication::palette();
    expectReadable(form->grab().toImage(), *form, desktop.color(QPalette::Window),
                   desktop.color(QPalette::WindowText));
    for (const bool stamped : {false, true}) {
        // clang-format off
        for (const auto& [window, text] : {std::pair<QColor, QColor>{"#222020", "#fff"},
                 {"#7f7f7f", "#000"}, {"#202326", "#fcfcfc"}, {"#000", "#fff"}, {"#fff", "#000"}}) {
            // clang-format on
            SCOPED_TRACE(window.name().toStdString() + (stamped ? " stamped" : ""));
            QPalette palette(window, window);
            palette.setColor(QPalette::WindowText, text);
            QApplication::setPalette(palette);
            QEvent themeChange(QEvent::ThemeChange);
            for (QWidget* widget : stamped ? QApplication::allWidgets() : QWidgetList())
                QApplication::sendEvent(widget, &themeChange), widget->setPalette(palette);
            QCoreApplication::processEvents();  // the window hears of a new palette
            expectReadable(form->grab().toImage(), *form, window, text);
        }
    }
}

// The real program's window, named by the end-to-end test, as the screen shows
// it under a desktop's colour scheme, named by its window and text colours.
TEST(ScreenCheck, TheProgramsWindowReads) {
    FakePlatform platform;
    const Form1 form(platform);
    const WId window = qEnvironmentVariableIntValue("BIORHYTHM_WINDOW");
    expectReadable(QGuiApplication::primaryScreen()->grabWindow(window).toImage(), form,
                   qEnvironmentVariable("BIORHYTHM_WINDOW_COLOUR"),
                   qEnvironmentVariable("BIORHYTHM_TEXT_COLOUR"));
}
