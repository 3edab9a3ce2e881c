#pragma once

#include <QLineEdit>

// A text field drawn on a picture: clear background, white text and insertion point, an optional
// thin border, the text clipped to the field. As a label (not editable) it has no border, takes
// no focus unless given it, is read-only text to assistive technology (HvAccessible.h), and
// draws a text too long for it up to three pixels smaller (a longer language's sentence).
class HvTextField : public QLineEdit {
    Q_OBJECT
public:
    explicit HvTextField(QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    void setBordered(bool bordered);
    bool isBordered() const { return bordered_; }
    // An editable field, or a label.
    void setEditable(bool editable);
    bool isEditable() const { return !isReadOnly(); }
    void setTextColor(const QColor& colour);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyStyle();
    void fitLabel();

    int tag_ = 0;
    int labelPixelSize_ = 0; // the label's own size, before fitting; 0 until first fitted
    bool bordered_ = true;
    QColor textColor_ = Qt::white;
};
