#pragma once
// Push and option buttons whose captions break onto as many lines as the
// button needs, the way the program's narrow buttons show their long texts.
// A word wider than the button is drawn in a slightly smaller size rather
// than cut off.

#include <QPushButton>
#include <QRadioButton>

namespace rotavex {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString &caption, QWidget *parent = nullptr);

    QRect captionArea() const;
    QFont captionFont(const QString &caption) const;   // the font the caption is drawn in

protected:
    void paintEvent(QPaintEvent *event) override;
};

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingRadioButton(const QString &caption, QWidget *parent = nullptr);

    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;   // the whole button, every line
};

// Whether the caption, broken at blanks, fits inside the area in that font.
bool captionFits(const QFont &font, const QString &caption, const QRect &area);

}   // namespace rotavex
