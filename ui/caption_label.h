#pragma once

#include <QLabel>

namespace biorhythm::ui {

// A static text of the window. A label sized to text grows and shrinks from
// its top-left corner with every caption, one line per line break; a fixed box
// keeps its size and wraps, and what does not fit is cut off.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    enum class Sizing { ToText, FixedBox };

    CaptionLabel(const QString& caption, Sizing sizing, QWidget* parent);

    void setCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;

private:
    Sizing sizing_;
};

}  // namespace biorhythm::ui
