#include "form1.h"

#include <QAccessible>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <array>
#include <utility>

#include "caption_label.h"
#include "drop_down_list.h"
#include "form_texts.h"
#include "home_page.h"
#include "platform.h"
#include "program_icon.h"
#include "readable_colour.h"
#include "screen_reader.h"
#include "unexpected_error.h"
#include "window_fonts.h"

namespace biorhythm::ui {
namespace {

using Sizing = CaptionLabel::Sizing;

// Positions and sizes are designed in twips; 15 twips make one
// device-independent pixel, which Qt scales on high-density screens.
int pixels(int twips) {
    return (twips * 2 + 15) / 30;
}

QRect twipRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

const QColor kRed{255, 0, 0};
const QColor kDarkRed{192, 0, 0};
const QColor kBlue{0, 0, 255};
const QColor kPlainText;  // the palette's own text colour

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);  // which does nothing when nothing changed
}

QGroupBox* frame(const char* name, const QString& title, QRect geometry, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

CaptionLabel* label(const char* name, const QString& caption, Sizing sizing, QRect geometry,
                    QWidget* parent) {
    auto* text = new CaptionLabel(QString(), sizing, parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setGeometry(geometry);
    text->setCaption(caption);
    return text;
}

// Named for screen readers by what it asks for; its text is its value.
DropDownList* list(const char* name, const QString& accessibleName, const QString& placeholder,
                   QRect geometry, QWidget* parent) {
    auto* combo = new DropDownList(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setAccessibleName(accessibleName);
    combo->setGeometry(geometry);
    combo->setText(placeholder);
    return combo;
}

QPushButton* button(const char* name, const QString& caption, QRect geometry, QWidget* parent) {
    auto* push = new QPushButton(caption, parent);
    push->setObjectName(QString::fromLatin1(name));
    push->setGeometry(geometry);
    push->setFont(boldFont());
    // No default button: Enter presses only the button that has the focus.
    push->setAutoDefault(false);
    push->setDefault(false);
    return push;
}

constexpr QStringView kTitle = u"人体生物节律分析工具（Zendrel庄园版） V1.0 正式版";

// The background texts, each one literal so that it reads whole.
// clang-format off
constexpr QStringView kParagraph1 =
    u"　　人们早就发现，一个人有时体力充沛，精神焕发、情绪高涨、才思敏捷、记忆力强；而有时却浑身困乏、情绪消沉、思维迟钝，记忆力差。这是什么原因呢？人们百思不得其解，长期只知其然，而不知其所以然。";
constexpr QStringView kParagraph2 =
    u"　　二十世纪初，两位素不相识的科学家分别对大量病例和观察记录进行了长期的统计研究，不约而同地发现：人的体力存在着一个以23天为周期的变化规律，人的情绪存在着一个以28天为周期的变化规律，而且这两个周期都是从人出生的那一天开始计算的。二十年后，一位教授在研究了数千名学生的考试成绩之后又发现，人的智力存在着一个以33天为周期的变化规律。这三位科学家的研究成果揭示了人的体力、情绪和智力随着时间周期性变化的规律：在每个周期的前半段，人的状态逐渐上升，处于高潮期；在后半段，人的状态逐渐下降，处于低潮期；在两者交替的临界日前后，状态最不稳定。";
constexpr QStringView kParagraph3 =
    u"　　后来，人们把这三位科学家发现的三个生物节奏总结为\"人体生物三节律\"，因为这三个节律象钟表一样循环往复，又被人们称作\"人体生物钟\"，国外称之为\"PSI周期\"。";
// clang-format on

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    QAccessible::installFactory(screenReaderInterface);
    setWindowTitle(kTitle.toString());
    setWindowIcon(programIcon());
    setFont(defaultFont());
    // A fixed single border: no resizing, no maximising; on Windows a thin
    // border without a sizing grip.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(pixels(11280), pixels(8535));
    createControls();
    colourTexts();
    // From now on, as the desktop's colour scheme changes.
    installEventFilter(this);
    for (const auto& [text, designed] : textColours_) text->installEventFilter(this);
    wireEvents();
    Form_Load();
}

void Form1::colourTexts() {
    for (const auto& [text, designed] : textColours_) colourText(text, designed);
}

void Form1::colourText(QWidget* text, const QColor& designed) {
    setTextColour(text, designed.isValid() ? readableColour(designed, palette())
                                           : palette().color(QPalette::WindowText));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A new colour scheme reaches the window, and through it every text; or,
    // from some desktop themes, a text gets the whole palette stamped on it,
    // which would wipe its colour.
    if (event->type() == QEvent::PaletteChange && watched == this) {
        colourTexts();
    } else if (event->type() == QEvent::PaletteChange) {
        // Besides the window, only the texts are watched.
        const auto text = std::ranges::find(textColours_, watched, &TextColour::first);
        colourText(text->first, text->second);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::createControls() {
    // Created back to front: the lists lie in front of the birth-date frame.
    Frame1 = frame("Frame1", QStringLiteral("生日信息录入"), twipRect(316, 315, 6880, 1451), this);
    Label1 = label("Label1", QStringLiteral("请选择您的阳历出生时间："), Sizing::ToText,
                   twipRect(270, 450, 2700, 210), Frame1);
    Label1->setFont(boldFont());
    textColours_.emplace_back(Label1, kRed);
    Label2 = label("Label2",
                   QStringLiteral("小提示：录入信息后，点击“节律分析”按钮即可查看分析结果！！"),
                   Sizing::ToText, twipRect(300, 960, 5400, 180), Frame1);
    textColours_.emplace_back(Label2, kBlue);

    Combo2 = list("Combo2", QStringLiteral("出生月份"), kChooseMonth.toString(),
                  twipRect(4500, 736, 1200, 300), this);
    Combo3 = list("Combo3", QStringLiteral("出生日期"), kChooseDay.toString(),
                  twipRect(5700, 736, 1200, 300), this);
    Combo1 = list("Combo1", QStringLiteral("出生年份"), kChooseYear.toString(),
                  twipRect(3300, 736, 1200, 300), this);
    QStringList years;
    for (int year = 1900; year <= 2009; ++year) years << QStringLiteral("%1年").arg(year);
    Combo1->appendItems(years);
    QStringList months;
    for (int month = 1; month <= 12; ++month) months << QStringLiteral("%1月").arg(month);
    Combo2->appendItems(months);

    Command1 = button("Command1", QStringLiteral("节律分析"), twipRect(315, 7755, 2000, 500), this);
    Command2 =
        button("Command2", QStringLiteral("清空数据"), twipRect(2766, 7755, 2000, 500), this);
    Command3 =
        button("Command3", QStringLiteral("退出程序"), twipRect(5190, 7755, 2000, 500), this);

    Frame6 = frame("Frame6", QStringLiteral("科学依据"), twipRect(7415, 1982, 3607, 5515), this);
    // Four pixels lower than drawn at first, and as much shorter, so that the
    // frame's top line, which lies below its title, clears the first line.
    Label9 = label("Label9", kParagraph1.toString(), Sizing::FixedBox,
                   twipRect(180, 300, 3255, 1125), Frame6);
    Label10 = label("Label10", kParagraph2.toString(), Sizing::FixedBox,
                    twipRect(105, 1440, 3255, 2950), Frame6);
    Label11 = label("Label11", kParagraph3.toString(), Sizing::FixedBox,
                    twipRect(105, 4410, 3255, 1075), Frame6);

    struct CycleFrame {
        QGroupBox*& frame;
        const char* frameName;
        const char* title;
        int top;
        CaptionLabel*& result;
        const char* resultName;
        QStringView question;
        CaptionLabel*& note;
        const char* noteName;
        const char* scale;
    };
    const std::array<CycleFrame, 3> cycleFrames{{
        {Frame2, "Frame2", "智力周期分析", 1977, Label3, "Label3", kIntellectQuestion, Label4,
         "Label4", "注：智力周期评价等级分别为：聪慧 > 优良 > 良好 > 欠佳 > 迟钝"},
        {Frame3, "Frame3", "情绪周期分析", 3904, Label5, "Label5", kEmotionQuestion, Label6,
         "Label6", "注：情绪周期评价等级分别为：高涨 > 优良 > 良好 > 欠佳 > 低沉"},
        {Frame4, "Frame4", "体力周期分析", 5856, Label7, "Label7", kPhysicalQuestion, Label8,
         "Label8", "注：体力周期评价等级分别为：充沛 > 优良 > 良好 > 欠佳 > 虚弱"},
    }};
    for (const CycleFrame& c : cycleFrames) {
        c.frame =
            frame(c.frameName, QString::fromUtf8(c.title), twipRect(316, c.top, 6880, 1652), this);
        c.result = label(c.resultName, c.question.toString(), Sizing::ToText,
                         twipRect(345, 405, 3060, 180), c.frame);
        c.note = label(c.noteName, QString::fromUtf8(c.scale), Sizing::ToText,
                       twipRect(345, 1155, 5400, 180), c.frame);
        textColours_.emplace_back(c.note, kDarkRed);
    }

    Frame5 = frame("Frame5", QStringLiteral("程序说明"), twipRect(7415, 315, 3607, 1451), this);
    Label12 = label(
        "Label12",
        QStringLiteral("本程序可以帮助您了解您当前的生理节律状况，有助于您安排生活、工作和学习。"
                       "但多种因素会影响分析的准确性！"),
        Sizing::FixedBox, twipRect(285, 345, 3195, 585), Frame5);
    Label13 = label("Label13", QStringLiteral("软件作者：Zendrel"), Sizing::ToText,
                    twipRect(285, 1050, 1530, 180), Frame5);
    textColours_.emplace_back(Label13, kRed);
    Label14 = label("Label14", QStringLiteral("版本：V1.0 正式版"), Sizing::ToText,
                    twipRect(1830, 1050, 1530, 180), Frame5);
    textColours_.emplace_back(Label14, kRed);

    // Only the titles are blue: the texts inside keep the window's own text
    // colour, or their own.
    for (CaptionLabel* text : {Label9, Label10, Label11, Label12})
        textColours_.emplace_back(text, kPlainText);
    textColours_.emplace_back(Frame5, kBlue);
    textColours_.emplace_back(Frame6, kBlue);

    Command4 =
        button("Command4", QStringLiteral("访问Zendrel庄园：") + QUrl(homePageAddress()).host(),
               twipRect(7415, 7755, 3585, 500), this);

    // What a screen reader says of each button beside its caption.
    const std::array<std::pair<QWidget*, const char*>, 4> descriptions{{
        {Command1, "根据所选的出生日期分析您今天的生物节律"},
        {Command2, "清空所选的出生日期和分析结果"},
        {Command3, "退出本程序"},
        {Command4, "在浏览器中打开Zendrel庄园的主页"},
    }};
    for (const auto& [control, description] : descriptions) {
        control->setAccessibleDescription(QString::fromUtf8(description));
    }

    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Combo3);
    setTabOrder(Combo3, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
}

QWidgetList Form1::readingOrder() const {
    return {Frame1,   Combo1,   Combo2,   Combo3, Frame2, Frame3,  Frame4,
            Command1, Command2, Command3, Frame5, Frame6, Command4};
}

void Form1::wireEvents() {
    // Each handler runs inside the last resort: an error it did not expect ends
    // the program here, before it could unwind through Qt's signal delivery,
    // which is not exception-safe.
    const auto wire = [this](const auto* control, auto event, void (Form1::*handler)()) {
        connect(control, event, this, [this, handler] {
            try {
                (this->*handler)();
            } catch (...) {
                endOnUnexpectedError(platform_);
            }
        });
    };
    wire(Combo1, &DropDownList::click, &Form1::Combo1_Click);
    wire(Combo1, &DropDownList::gotFocus, &Form1::Combo1_GotFocus);
    wire(Combo2, &DropDownList::click, &Form1::Combo2_Click);
    wire(Combo2, &DropDownList::gotFocus, &Form1::Combo2_GotFocus);
    wire(Command1, &QPushButton::clicked, &Form1::Command1_Click);
    wire(Command2, &QPushButton::clicked, &Form1::Command2_Click);
    wire(Command3, &QPushButton::clicked, &Form1::Command3_Click);
    wire(Command4, &QPushButton::clicked, &Form1::Command4_Click);
}

}  // namespace biorhythm::ui
