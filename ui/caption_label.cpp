#include "caption_label.h"

#include <QEvent>

namespace biorhythm::ui {

CaptionLabel::CaptionLabel(const QString& caption, Sizing sizing, QWidget* parent)
    : QLabel(parent), sizing_(sizing) {
    // Captions are shown as written: never read as markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(sizing == Sizing::FixedBox);
    setFocusPolicy(Qt::NoFocus);
    setCaption(caption);
}

void CaptionLabel::setCaption(const QString& caption) {
    setText(caption);
    if (sizing_ == Sizing::ToText) adjustSize();
}

void CaptionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A label of its own font measures its caption again in that font.
    if (event->type() == QEvent::FontChange && sizing_ == Sizing::ToText) adjustSize();
}

}  // namespace biorhythm::ui
