#pragma once

#include <QColor>
#include <QWidget>
#include <utility>
#include <vector>

class QGroupBox;
class QPushButton;

namespace biorhythm::ui {

class CaptionLabel;
class DropDownList;
class Platform;

// The program's one window. Its controls hold all state: the three lists are
// the birth-date selector, the result labels hold the last analysis. Every
// control is named after itself (objectName) so that it can be found.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Creates the window with all its controls and runs its Load event.
    explicit Form1(Platform& platform, QWidget* parent = nullptr);

    // The controls as a screen reader's object navigation meets them: the
    // birth date, the three cycles, the buttons, the right column, the home
    // page. They are stacked otherwise.
    QWidgetList readingOrder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    // Each coloured text in a colour that reads on the window's palette, each
    // plain one in the palette's text colour.
    void colourTexts();
    void colourText(QWidget* text, const QColor& designed);
    void wireEvents();

    // The event handlers, one per handled event.
    void Form_Load();
    void Combo1_Click();
    void Combo1_GotFocus();
    void Combo2_Click();
    void Combo2_GotFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    Platform& platform_;
    // The texts of their own colour, in their designed colour (invalid: plain).
    using TextColour = std::pair<QWidget*, QColor>;
    std::vector<TextColour> textColours_;

    // Owned by the window through Qt's parent-child tree.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    CaptionLabel* Label1 = nullptr;
    CaptionLabel* Label2 = nullptr;
    CaptionLabel* Label3 = nullptr;
    CaptionLabel* Label4 = nullptr;
    CaptionLabel* Label5 = nullptr;
    CaptionLabel* Label6 = nullptr;
    CaptionLabel* Label7 = nullptr;
    CaptionLabel* Label8 = nullptr;
    CaptionLabel* Label9 = nullptr;
    CaptionLabel* Label10 = nullptr;
    CaptionLabel* Label11 = nullptr;
    CaptionLabel* Label12 = nullptr;
    CaptionLabel* Label13 = nullptr;
    CaptionLabel* Label14 = nullptr;
    DropDownList* Combo1 = nullptr;
    DropDownList* Combo2 = nullptr;
    DropDownList* Combo3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};

}  // namespace biorhythm::ui
