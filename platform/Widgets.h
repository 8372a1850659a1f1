#pragma once

#include <QImage>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace platform {

// An image control: shows its picture at its top-left corner; white pixels are transparent, so
// the window background shows through and black strokes seem to stand directly on the window.
class TImage : public QWidget {
  public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return FPicture; }
    // Replaces the picture and repaints.
    void SetPicture(QImage picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage FPicture;
};

// A push button that shows a picture (its glyph) and carries an integer tag and a hint; the hint
// is its tool tip and its status-bar text.
class TPictureButton : public QPushButton {
  public:
    TPictureButton(const QImage& glyph, int tag, const QString& hint, QWidget* parent);

    const QImage& Glyph() const { return FGlyph; }
    int Tag() const { return FTag; }

  private:
    QImage FGlyph;
    int FTag;
};

// Gives a control its hint: the status-bar text and, when showHint, the tool tip too.
void SetHint(QWidget& control, const QString& hint, bool showHint = true);

}  // namespace platform
